#include "HostCallLatch.h"
#include "ModuleFixture.h"

#include "public.sdk/source/common/memorystream.h"

#include <thread>

using namespace VstHost;

// A host's state stream may be slow (a sandbox's IPC, a project on a network
// drive): the audio thread goes on while the plug-in reads or writes it.
namespace
{
constexpr int kBlock = 256;

// A stream whose first read or write the latch holds.
class HeldStream : public MemoryStream
{
public:
  explicit HeldStream(HostCallLatch& latch) : mLatch(latch) {}

  tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) override
  {
    mLatch.Hold();
    return MemoryStream::read(buffer, numBytes, numBytesRead);
  }
  tresult PLUGIN_API write(void* buffer, int32 numBytes, int32* numBytesWritten) override
  {
    mLatch.Hold();
    return MemoryStream::write(buffer, numBytes, numBytesWritten);
  }

private:
  HostCallLatch& mLatch;
};

void ProcessBlock(PluginInstance& plug)
{
  Buffers<float> buffers(2, kBlock);
  FillWithSine(buffers, 440.0, 0.5, 48000.0);
  plug.Process(buffers.Pointers(), 2, buffers.Pointers(), 2, kBlock);
}

// Runs `streamCall` here while a block of `plug` runs on another thread as
// soon as the stream is held.
bool BlockReturnsWhileTheStreamIsHeld(PluginInstance& plug, HostCallLatch& latch, const std::function<void()>& streamCall)
{
  bool returned = false;
  std::thread checker([&] { returned = ReturnsWhileHeld(latch, [&] { ProcessBlock(plug); }); });
  streamCall();
  checker.join();
  return returned;
}
} // namespace

TEST_F(ModuleTest, ABlockRunsWhileTheHostsStreamHoldsAStateLoad)
{
  auto source = NewInstance();
  source->QueueParameter(6, 5.0 / 7.0);
  source->FlushParameters();
  const std::vector<char> state = source->GetState();

  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(48000, kBlock, kSample32));
  HostCallLatch latch;
  auto* stream = new HeldStream(latch);
  stream->setSize(static_cast<TSize>(state.size()));
  std::copy(state.begin(), state.end(), stream->getData());
  tresult result = kResultFalse;
  EXPECT_TRUE(BlockReturnsWhileTheStreamIsHeld(*plug, latch, [&] { result = plug->Component()->setState(stream); }));
  stream->release();
  EXPECT_EQ(result, kResultOk);
  EXPECT_EQ(plug->GetState(), state);
}

TEST_F(ModuleTest, ABlockRunsWhileTheHostsStreamHoldsAStateSave)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(48000, kBlock, kSample32));
  const std::vector<char> expected = plug->GetState();
  HostCallLatch latch;
  auto* stream = new HeldStream(latch);
  tresult result = kResultFalse;
  EXPECT_TRUE(BlockReturnsWhileTheStreamIsHeld(*plug, latch, [&] { result = plug->Component()->getState(stream); }));
  EXPECT_EQ(result, kResultOk);
  EXPECT_EQ(std::vector<char>(stream->getData(), stream->getData() + stream->getSize()), expected);
  stream->release();
}
