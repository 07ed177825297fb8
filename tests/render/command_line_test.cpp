#include "AudioFixtures.h"
#include "CaseName.h"
#include "ToolRun.h"

#include "tools/render/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace
{
struct CommandCase
{
  const char* what;
  std::vector<std::string> args;
  int exitCode;
  std::string said;                  // part of what the tool prints: errors when it fails, else its output
  std::vector<std::string> written;  // what it leaves in the folder beside in.wav
};

// Each case runs in a folder holding in.wav (a second of 16-bit stereo).
const CommandCase kCases[] = {
  {"a folder option with nothing after it", {"in.wav", "out.wav", "--all-decks"}, 2, "--all-decks needs DIR", {}},
  {"a path option with nothing after it", {"in.wav", "out.wav", "--bundle"}, 2, "--bundle needs PATH", {}},
  {"an option taken for a value", {"--all-decks", "--quiet", "in.wav"}, 2,
   "--all-decks needs DIR, not the option --quiet", {}},
  {"an empty value", {"--bundle", "", "in.wav", "out.wav"}, 2, "--bundle needs PATH, not an empty text", {}},
  {"an empty input name", {"", "out.wav"}, 2, "cannot read '': the file name is empty", {}},
  {"an empty output name", {"in.wav", ""}, 2, "cannot write '': the file name is empty", {}},
  {"no output", {}, 2, "name an OUTPUT file", {}},
  {"three names", {"in.wav", "a.wav", "b.wav"}, 2, "several INPUTs go with --out-dir DIR", {}},
  {"a block size with junk after it", {"--block", "512abc", "in.wav", "out.wav"}, 2,
   "--block takes a whole number of frames from 1 to 65536, not \"512abc\"", {}},
  {"a block size in hexadecimal", {"--block", "0x10", "in.wav", "out.wav"}, 2, "not \"0x10\"", {}},
  {"a block size with a fraction", {"--block", "512.0", "in.wav", "out.wav"}, 2, "not \"512.0\"", {}},
  {"a block size with an exponent", {"--block", "1e3", "in.wav", "out.wav"}, 2, "not \"1e3\"", {}},
  {"a block size of nothing", {"--block", "0", "in.wav", "out.wav"}, 2, "not \"0\"", {}},
  {"a block size too large", {"--block", "65537", "in.wav", "out.wav"}, 2, "not \"65537\"", {}},
  {"a block size beyond an int", {"--block", "99999999999", "in.wav", "out.wav"}, 2, "not \"99999999999\"", {}},
  {"a value in hexadecimal", {"--set", "Input level=0x10", "in.wav", "out.wav"}, 2,
   "\"Input level\" takes a number from -18.0 to 18.0", {}},
  {"a value that is not a number", {"--set", "Input level=nan", "in.wav", "out.wav"}, 2, "not \"nan\"", {}},
  {"an infinite value", {"--set", "Input level=-inf", "in.wav", "out.wav"}, 2, "not \"-inf\"", {}},
  {"a setting without '='", {"--set", "Input level", "in.wav", "out.wav"}, 2, "a setting reads \"Name=value\"", {}},
  {"a parameter named twice", {"--set", "Input level=3", "--set", "input level=4", "in.wav", "out.wav"}, 2,
   "is set twice", {}},
  {"a mistyped parameter", {"--set", "Inptu level=3", "in.wav", "out.wav"}, 2, "did you mean \"Input level\"?", {}},
  {"an index for a choice", {"--set", "Bias level=2", "in.wav", "out.wav"}, 2,
   "\"Bias level\" takes one of \"+0 dB\", \"+3 dB\" or \"+6 dB\", or the number shown (0, 3 or 6), not \"2\"", {}},
  {"an unknown option", {"--blok", "256", "in.wav", "out.wav"}, 2, "unknown option --blok; did you mean --block?", {}},
  {"an option given twice", {"--block", "256", "--block", "512", "in.wav", "out.wav"}, 2, "--block is given twice",
   {}},
  {"a switch given a value", {"--quiet=yes", "in.wav", "out.wav"}, 2, "--quiet takes no value", {}},
  {"bits the option does not know", {"--bits", "12", "in.wav", "out.wav"}, 2,
   "--bits takes 16, 24 or float, not \"12\"", {}},
  {"float samples asked of FLAC", {"--bits", "float", "in.wav", "out.flac"}, 2,
   "'out.flac': FLAC holds 8-, 16- or 24-bit samples, not 32-bit float; choose --bits 16 or 24", {}},
  {"an output type not known", {"in.wav", "out.mp3"}, 2, "cannot tell the file type of 'out.mp3'", {}},
  {"an output over the input", {"in.wav", "./in.wav"}, 2, "writing './in.wav' would overwrite its input", {}},
  {"--format against the name", {"--format", "flac", "in.wav", "out.wav"}, 2,
   "--format flac and the name 'out.wav' disagree", {}},
  {"--format for a name without a type", {"--quiet", "--format", "aiff", "in.wav", "out"}, 0, "", {"out"}},
  {"two actions", {"--gui", "--all-decks", "decks"}, 2, "--all-decks and --gui do not go together", {}},
  {"audio files for the editor", {"--editor", "editor.png", "in.wav"}, 2, "--editor takes no audio files", {}},
  {"a picture that is not PNG", {"--editor", "editor.jpg"}, 2, "--editor draws a PNG picture", {}},
  {"an audio option for the editor", {"--editor", "editor.png", "--bits", "16"}, 2, "--bits has no use with --editor",
   {}},
  {"settings for the version", {"--version", "--set", "Hiss=off"}, 2, "--version takes no --set", {}},
  {"a display scale for a render", {"--scale", "2", "in.wav", "out.wav"}, 2, "--scale goes with --editor or --gui",
   {}},
  {"a display scale beyond the editor's", {"--scale", "5", "--editor", "editor.png"}, 2,
   "--scale takes a display scale from 1 to 4, not \"5\"", {}},
  {"the editor at twice the size", {"--quiet", "--scale", "2", "--editor", "editor.png"}, 0, "", {"editor.png"}},
  {"standard input for every deck", {"--all-decks", "decks", "-"}, 2, "standard input ('-') can be read only once", {}},
  {"two inputs for every deck", {"--all-decks", "decks", "in.wav", "in.wav"}, 2, "--all-decks plays one INPUT", {}},
  {"two inputs with one name", {"--out-dir", "renders", "in.wav", "./in.wav"}, 2,
   "'in.wav' and './in.wav' would both be written to 'renders/in.wav'", {}},
  {"an output into a missing folder", {"in.wav", "nowhere/out.wav"}, 1,
   "cannot write 'nowhere/out.wav': there is no folder 'nowhere'", {}},
  {"a picture into a missing folder", {"--editor", "nowhere/editor.png"}, 1,
   "cannot write 'nowhere/editor.png': there is no folder 'nowhere'", {}},
  {"a folder that cannot be made", {"--all-decks", "in.wav/decks"}, 1,
   "cannot make the folder 'in.wav/decks': Not a directory", {}},
  {"a type the option does not know", {"--format", "ogg", "in.wav", "out"}, 2,
   "--format takes wav, aiff or flac, not \"ogg\"", {}},
  {"a render", {"in.wav", "out.wav"}, 0, "out.wav: 1.00 s of stereo at 48000 Hz as 16-bit WAV with TPDF dither",
   {"out.wav"}},
  {"the settings in force", {"--set", "Input level=12", "--set", "Output level=0", "in.wav", "out.wav"}, 0,
   "settings: Input level=12.0 dB, Auto input=off, Auto input Level=+0 VU, Output level=0.0 dB, "
   "Output compensation=on, Bias level=+0 dB, Deck type=Japan 15 IPS, Hiss=on, Group=No group, Bypass=off, "
   "Hiss level=-76 dB\n",
   {"out.wav"}},
  {"values as the editor shows them",
   {"--set", "Input level=6 dB", "--set", "Hiss level=-76dB", "--set", "Bias level=6", "in.wav", "out.wav"}, 0,
   "Input level=6.0 dB, Auto input=off, Auto input Level=+0 VU, Output level=-6.0 dB, Output compensation=on, "
   "Bias level=+6 dB",
   {"out.wav"}},
  {"an option's value after '='", {"--block=256", "--bits=24", "in.wav", "out.wav"}, 0, "as 24-bit WAV;", {"out.wav"}},
  {"the demonstration, when no input is named", {"--quiet", "demo.flac"}, 0, "", {"demo.flac"}},
  {"names after --", {"--quiet", "--", "in.wav", "-out.wav"}, 0, "", {"-out.wav"}},
  {"every deck", {"--quiet", "--all-decks", "decks", "in.wav"}, 0, "",
   {"decks", "decks/in-american-15-ips.wav", "decks/in-american-2-15-ips.wav", "decks/in-american-2-30-ips.wav",
    "decks/in-american-30-ips.wav", "decks/in-japan-15-ips.wav", "decks/in-japan-30-ips.wav",
    "decks/in-swiss-15-ips.wav", "decks/in-swiss-30-ips.wav"}},
  {"the version of the module", {"--version"}, 0, "VelkorTape 1.2.1\n", {}},
  {"the parameters", {"--list-params"}, 0,
   "Output compensation (editor: OUT. COMP.)\n    one of \"off\", \"on\"; default \"on\"\n", {}},
};

// How the case is named in test listings.
void PrintTo(const CommandCase& test, std::ostream* out)
{
  *out << test.what;
}

class CommandLineTest : public ::testing::TestWithParam<CommandCase>
{
};

TEST_P(CommandLineTest, ExitsSaysAndLeavesWhatItShould)
{
  const CommandCase& test = GetParam();
  ScratchFolder folder;
  WriteAudio(folder / "in.wav", TestAudio{});
  const std::string input = ReadBytes(folder / "in.wav");

  const ToolResult result = RunTool({test.args, folder.Path()});

  EXPECT_EQ(result.exitCode, test.exitCode) << result.err;
  const std::string& said = test.exitCode == 0 ? result.out : result.err;
  EXPECT_NE(said.find(test.said), std::string::npos) << "said: " << said;
  if (test.exitCode == 2)
  {
    EXPECT_EQ(result.out, "") << "a refused command printed";
  }
  std::vector<std::string> expected = test.written;
  expected.push_back("in.wav");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder.Names(), expected);
  EXPECT_TRUE(ReadBytes(folder / "in.wav") == input) << "the input changed";
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CommandCase>& test) { return CaseName(test.param.what); });

// Every option of the table that takes a value, given none at the end of
// the line or an option in its place.
TEST(CommandLine, RefusesAMissingValueOfEveryOption)
{
  for (const OptionSpec& option : OptionTable())
  {
    if (!*option.value)
      continue;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"in.wav", "out.wav", option.name},
                                                 std::vector<std::string>{option.name, "--quiet", "in.wav", "out.wav"}})
    {
      SCOPED_TRACE(args[0] + " " + args[1] + " " + args[2]);
      ScratchFolder folder;
      WriteAudio(folder / "in.wav", TestAudio{});
      const ToolResult result = RunTool({args, folder.Path()});
      EXPECT_EQ(result.exitCode, 2);
      EXPECT_EQ(result.err.rfind("velkortape-render: " + std::string(option.name) + " needs " + option.value, 0), 0u)
        << result.err;
      EXPECT_EQ(result.out, "");
      EXPECT_EQ(folder.Names(), std::vector<std::string>{"in.wav"});
    }
  }
}

TEST(HelpText, IsTheREADMEs)
{
  const ToolResult help = RunTool({{"--help"}});
  ASSERT_EQ(help.exitCode, 0);
  const std::string readme = ReadBytes(VELKOR_SOURCE_DIR "/README.md");
  const std::string opening = "`velkortape-render --help` prints:\n\n```text\n";
  const size_t start = readme.find(opening);
  ASSERT_NE(start, std::string::npos) << "the README shows no help text";
  const size_t body = start + opening.size();
  EXPECT_EQ(readme.substr(body, readme.find("```", body) - body), help.out)
    << "paste the output of velkortape-render --help into the README";
}
}
