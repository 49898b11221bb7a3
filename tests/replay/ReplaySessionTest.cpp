// Replayed sessions through the real controller: what the report shows a
// person, steps that cannot be carried out, and the data folder, which a
// replay never changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "TestSupport.h"
#include "tools/replay/ReplaySession.h"

namespace vorelio::testing {
namespace {

namespace fs = std::filesystem;

class ReplaySessionTest : public ::testing::Test {
 protected:
  ReplaySessionTest() {
    // Words by general frequency: com 200, como 100, computador 50,
    // comer 40; one sentence.
    folder.Write("geral.pal",
                 "___ 10\nbom 70\ncom 200\ncomer 40\ncomo 100\ncomputador 50\ndia 60\n");
    folder.Write("geral.frs", "bom|dia. 10\n");
    for (const char* name : {"geral.par", "geral.cg", "geral.pcg", "geral.paf", "generico.pal",
                             "generico.par", "generico.frs", "generico.paf", "generico.abr"}) {
      folder.Write(name, "");
    }
    folder.Write("Teste.tec",
                 "LINHA Sugestoes\nGRUPO Palavras\nTECLA TECLA_PREDICAO\nTECLA TECLA_PREDICAO\n"
                 "TECLA TECLA_PREDICAO\nGRUPO Frases\nTECLA TECLA_PREDICAO_FRASE\n"
                 "LINHA Teclas\nGRUPO Letras\nTECLA TECLA_NORMAL a letra;;;a a 1\n"
                 "TECLA TECLA_NORMAL Nada nada x 0\n");
    // Logging is off in the profile; the replay logs all the same.
    options = {{"NOME_TECLADO", "Teste"},    {"NOME_SINTETIZADOR_FALA", "Voz"},
               {"TEMPO_DE_PREDICAO", "300"}, {"ADAPTACAO_UTILIZADOR", "1"},
               {"REGISTAR_EVENTOS", "0"},    {"OUVIR_PALAVRAS", "1"}};
  }

  // Runs `script` on the folder with the options; the error of the run.
  std::string Replay(std::string_view script) {
    std::string file;
    for (const auto& [key, value] : options) file += key + " " + value + "\n";
    folder.Write("generico.cfg", file);
    CUserProfileProperties properties;
    properties.Read(DiskFiles(), folder.File("generico.cfg"));
    std::string error;
    program = SimulatedProgram::Start(folder.Path(), "generico", properties, error);
    EXPECT_EQ(error, "");
    if (!program) return error;
    const ReplayScript parsed = ParseReplayScript(script);
    EXPECT_EQ(parsed.error, "");
    ReplaySession session(*program, report);
    return session.Run(parsed);
  }
  const std::string& Text() { return program->Foreground()->text; }
  // The event log's lines that hold `part`, after the program was closed.
  std::vector<std::string> LogLinesWith(std::string_view part) {
    program->Close();
    const auto logs = program->EventLogs();
    EXPECT_EQ(logs.size(), 1u);
    std::vector<std::string> found;
    std::istringstream lines(logs.empty() ? std::string() : logs.front().second);
    for (std::string line; std::getline(lines, line);) {
      if (line.find(part) != std::string::npos) found.push_back(line);
    }
    return found;
  }

  TempFolder folder;
  std::map<std::string, std::string> options;
  std::ostringstream out;
  ReplayReport report{out};
  std::unique_ptr<SimulatedProgram> program;
};

TEST_F(ReplaySessionTest, TheReportShowsTheTextWithItsCaretAndTheNumberedSuggestionsAsTheyChange) {
  EXPECT_EQ(Replay("app editor\ntype com\nwait 300\nword 2\nshow\n"), "");
  EXPECT_EQ(out.str(),
            "line 1: app editor\n"
            "  editor: \"|\"\n"
            "  words: -\n"
            "  sentences: -\n"
            "  title: Vorelio V3.0: generico (Teste) (Logging Ligado)\n"
            "line 2: type com\n"
            "  editor: \"com|\"\n"
            "line 3: wait 300\n"
            "  words: 1 como | 2 computador | 3 comer\n"
            "line 4: word 2\n"
            "  editor: \"computador |\"\n"
            "  spoken: computador\n"
            "line 5: show\n"
            "  editor: \"computador |\"\n"
            "  words: 1 como | 2 computador | 3 comer\n"
            "  sentences: -\n");
}

TEST_F(ReplaySessionTest, EventsAreLoggedWhateverTheProfileSays) {
  EXPECT_EQ(Replay("app editor\ntype com\nwait 300\nword 1\n"), "");
  EXPECT_EQ(LogLinesWith("PREDICTED_WORD_SELECTION_como 0.0.0").size(), 1u);
  EXPECT_EQ(LogLinesWith("CHAR_m CHAR").size(), 1u);
}

TEST_F(ReplaySessionTest, AStepThatCannotBeCarriedOutStopsTheReplayAndChangesNothing) {
  const std::string noApplication =
      "no application is in front to take the keys: begin with 'app NAME'";
  const struct {
    const char* script;
    std::string error;
    const char* text;  // the application's text after it; null: none in front
  } cases[] = {
      {"type a\n", "line 1: " + noApplication, nullptr},
      {"switch 1 press\n", "line 1: " + noApplication, nullptr},
      {"app editor\n# suggestions come 300 ms after the last key\ntype com\nword 1\ntype x\n",
       "line 4: word suggestion key 1 is empty: suggestions come 300-400 ms "
       "(TEMPO_DE_PREDICAO 300) after the last key; 'wait' for them",
       "com"},
      {"app editor\nsentence 2\n",
       "line 2: the keyboard Teste has 1 sentence suggestion keys, not 2", ""},
      {"app editor\nclick 1.0.2\n", "line 2: the keyboard Teste has no key 1.0.2", ""},
      // Nothing of a text is typed when one of its characters cannot be.
      {"app editor\ntype p\xb6\n", "line 2: '\xb6' cannot be typed on the Portuguese keyboard", ""},
      {"app editor\nkey Enter\nkey enter\n",
       "line 3: 'enter' is not one of the program's key names (BkSp, Tab, Enter, ", "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const std::string error = Replay(c.script);
    EXPECT_EQ(error.substr(0, c.error.size()), c.error);
    if (c.text == nullptr) {
      EXPECT_EQ(program->Foreground(), nullptr);
    } else {
      EXPECT_EQ(Text(), c.text);
    }
    program.reset();
  }
}

// Every file below `folder` by its path, with its bytes.
std::map<std::string, std::string> FilesBelow(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().string()] = {std::istreambuf_iterator<char>(in), {}};
  }
  return files;
}

TEST_F(ReplaySessionTest, TheDataFolderIsLeftAsItWasAndTheCopyIsRemoved) {
  folder.Write("generico Sun Dec 06 00-27-17 2026.log", "an earlier period\n");
  fs::create_directory(folder.File("CAT_IMG_Comida"));
  folder.Write("CAT_IMG_Comida/p\xC3\xA3o.bmp", "BM");
  EXPECT_EQ(Replay(""), "");  // writes generico.cfg, as a user's folder has it
  program.reset();
  const std::map<std::string, std::string> before = FilesBelow(folder.Path());

  EXPECT_EQ(Replay("app editor\ntype com\nwait 300\nword 2\ntype bom dia.\n"), "");
  const std::string copy = program->DataFolder();
  EXPECT_TRUE(fs::exists(copy + "CAT_IMG_Comida/p\xC3\xA3o.bmp"));
  program->Close();
  // The words learnt and the log went into the copy; the old log was not copied.
  EXPECT_NE(DiskFiles().ReadFile(copy + "generico.pal").value_or(""), "");
  EXPECT_EQ(program->EventLogs().size(), 1u);
  program.reset();
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_EQ(FilesBelow(folder.Path()), before);
}

TEST_F(ReplaySessionTest, ASwitchPressIsHeldForTheLatencySoScanningTakesIt) {
  options["METODO_VARRIMENTO"] = "Regular";
  options["LATENCIA_INTERRUPTORES_VARRIMENTO"] = "250";
  options["TECLA_MANIPULO1"] = "Num5";
  // Lines, the first line's groups, the first group's keys, the first key.
  EXPECT_EQ(Replay("app editor\ntype com\nwait 300\n"
                   "switch 1 press\nswitch 1 press\nswitch 1 press\nswitch 1 press\n"),
            "");
  EXPECT_EQ(Text(), "como ");
  EXPECT_EQ(LogLinesWith("SWITCH1_DOWN PREDICTED_WORD_SELECTION_como 0.0.0").size(), 1u);
}

}  // namespace
}  // namespace vorelio::testing
