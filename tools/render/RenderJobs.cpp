#include "RenderJobs.h"

#include "DemoSignal.h"
#include "FileSummary.h"
#include "InterruptCleanup.h"
#include "OutputFile.h"
#include "PlanarAudio.h"
#include "PluginBlockProcessor.h"
#include "ProgressBar.h"
#include "SoundFileReader.h"
#include "SoundFileWriter.h"
#include "StreamRender.h"

#include "tools/vst3host/PluginInstance.h"

#include <sndfile.h>

#include <cstdio>
#include <memory>

namespace
{
// The demonstration is what a 24-bit file would hold.
constexpr int kDemoSubtype = SF_FORMAT_PCM_24;

void Complain(const std::string& message)
{
  std::fprintf(stderr, "velkortape-render: %s\n", message.c_str());
}

std::string Quoted(const std::string& path)
{
  return "'" + path + "'";
}

// "written before it: 'a', 'b'", or "nothing was written".
std::string WrittenBefore(const std::vector<std::string>& written)
{
  if (written.empty())
    return "nothing was written";
  std::string list;
  for (const std::string& path : written)
    list += (list.empty() ? "" : ", ") + Quoted(path);
  return "written before it: " + list;
}

class FileRender
{
public:
  FileRender(const RenderRequest& request, VstHost::Vst3Module& module, const std::vector<ParameterSetting>& settings,
             const PublishedParameter& deck)
    : mRequest(request), mModule(module), mSettings(settings), mDeck(deck)
  {
  }

  // False, with the reason said, when the file could not be written.
  bool Render(const RenderJob& job)
  {
    std::string error;
    if (!Play(job, error))
    {
      Complain(error);
      return false;
    }
    return true;
  }

private:
  bool OpenSource(const RenderJob& job, std::unique_ptr<AudioSource>& source, int& subtype, std::string& error)
  {
    if (job.input.empty())
    {
      if (mDemo.empty())
        mDemo = MakeDemoSignal(kDemoSampleRate, kDemoSeconds);
      source = std::make_unique<PlanarSource>(kDemoSampleRate, mDemo);
      subtype = kDemoSubtype;
      return true;
    }
    auto reader = std::make_unique<SoundFileReader>();
    if (!reader->Open(job.input, error))
      return false;
    subtype = reader->Subtype();
    source = std::move(reader);
    return true;
  }

  bool Play(const RenderJob& job, std::string& error)
  {
    std::unique_ptr<AudioSource> source;
    int inputSubtype = 0;
    if (!OpenSource(job, source, inputSubtype, error))
      return false;
    const OutputEncoding encoding = ChooseEncoding(job.container, inputSubtype, mRequest.bits, mRequest.dither);

    OutputFile file;
    SoundFileWriter writer;
    if (!file.Create(job.output, error) ||
        !writer.Open(file, job.container | encoding.subtype, source->SampleRate(), source->Channels(),
                     encoding.dithered, error))
      return false;

    std::unique_ptr<VstHost::PluginInstance> plug = VstHost::PluginInstance::Create(mModule, kRenderHostName, error);
    if (!plug)
      return false;
    std::vector<ParameterSetting> settings = mSettings;
    if (job.deck)
      settings.push_back({mDeck.id, mDeck.NormalizedOfChoice(*job.deck)});
    PluginBlockProcessor processor(*plug, settings);
    ProgressBar progress(!mRequest.quiet, source->AnnouncedFrames(), source->SampleRate());
    StreamSettings streaming;
    streaming.blockFrames = mRequest.blockFrames;
    streaming.progress = [&](std::int64_t done, std::int64_t total) { progress.Show(done, total); };
    StreamResult result;
    if (!StreamRender(*source, processor, writer, streaming, result, error) || !writer.Close(error) ||
        !file.Commit(error))
      return false;

    if (auto* reader = dynamic_cast<SoundFileReader*>(source.get()))
      if (const std::string warning = reader->ShortfallWarning(result.framesRead); !warning.empty())
        Complain("warning: " + warning);
    if (!mRequest.quiet)
    {
      std::vector<std::string> notes;
      if (!encoding.note.empty())
        notes.push_back(encoding.note);
      if (const long long clipped = writer.ClippedSamples())
        notes.push_back(std::to_string(clipped) + " samples clipped at full scale");
      const std::string format = DescribeEncoding(job.container, encoding.subtype) +
                                 (encoding.dithered ? " with TPDF dither" : "");
      const std::string line =
        SummaryLine(job.output, result.framesRead, source->SampleRate(), format, result.meters, notes);
      std::printf("%s\n", line.c_str());
      std::fflush(stdout);
    }
    return true;
  }

  const RenderRequest& mRequest;
  VstHost::Vst3Module& mModule;
  const std::vector<ParameterSetting>& mSettings;
  const PublishedParameter& mDeck;
  std::vector<std::vector<float>> mDemo;
};
}

int RunJobs(const RenderRequest& request, const std::vector<RenderJob>& jobs, VstHost::Vst3Module& module,
            const std::vector<ParameterSetting>& settings, const PublishedParameter& deck)
{
  FileRender render(request, module, settings, deck);
  const bool goesOn = request.action == ToolAction::OutDir;
  std::vector<std::string> written;
  size_t failed = 0;
  for (const RenderJob& job : jobs)
  {
    InterruptCleanup::SetReport(Quoted(job.output) + " was not written" +
                                (jobs.size() > 1 ? "; " + WrittenBefore(written) : ""));
    if (render.Render(job))
    {
      written.push_back(job.output);
      continue;
    }
    ++failed;
    if (!goesOn)
    {
      if (jobs.size() > 1)
        Complain(Quoted(job.output) + " was not written; " + WrittenBefore(written));
      break;
    }
  }
  InterruptCleanup::SetReport("");
  if (goesOn && failed > 0)
    Complain(std::to_string(failed) + " of " + std::to_string(jobs.size()) + " files could not be written");
  return failed > 0 ? 1 : 0;
}
