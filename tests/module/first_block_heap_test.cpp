#include "HeapCalls.h"
#include "ModuleFixture.h"

#include <thread>

using namespace VstHost;

// Hosts start new audio threads (a new device, an offline render): the first
// block on such a thread must not allocate either. Thread-local storage in a
// loaded module would, on each thread's first use.
TEST_F(ModuleTest, EveryBlockOnANewThreadIsFreeOfHeapCallsTheFirstToo)
{
  constexpr int kBlock = 512;
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(48000, kBlock, kSample32));
  Buffers<float> buffers(2, kBlock);
  FillWithSine(buffers, 440.0, 0.5, 48000.0);
  // Hiss on (the default) and the automatic gain measuring.
  plug->QueueParameter(1, 1.0);
  ASSERT_EQ(plug->FlushParameters(), kResultOk);
  // One block here first: the test host makes its queues for the changes the
  // plug-in reports (the automatic gain's) on their first use.
  plug->Process(buffers.Pointers(), 2, buffers.Pointers(), 2, kBlock);

  for (int call = 0; call < 8; ++call)
  {
    int heapCalls = -1;
    std::thread audio([&] {
      StartCountingHeapCalls();
      plug->Process(buffers.Pointers(), 2, buffers.Pointers(), 2, kBlock);
      heapCalls = StopCountingHeapCalls();
    });
    audio.join();
    EXPECT_EQ(heapCalls, 0) << "call " << call;
  }
}
