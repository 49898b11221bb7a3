// predarin-predict takes its options from the profile's options file and
// from --set, by file key.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

namespace vorelio {
namespace {

using testing::TempFolder;
using testing::ToolRun;

ToolRun Predict(const std::string& arguments) { return testing::RunPredictTool(arguments); }

TEST(PredictTool, ReadsTheProfileOptionsAndTheSettingsOnTop) {
  if (!testing::PredictToolBuilt()) GTEST_SKIP() << "predarin-predict is not built";
  TempFolder folder;
  folder.Write("geral.pal", "casa 10\ncarro 5\ncabra 1\n");
  for (const char* name : {"geral.par", "geral.cg", "geral.pcg", "geral.frs", "geral.paf"})
    folder.Write(name, "");
  for (const char* profile : {"generico", "ana"})
    for (const char* extension : {".pal", ".par", ".frs", ".paf", ".abr"})
      folder.Write(std::string(profile) + extension, "");
  folder.Write("ana.cfg", "SEQUENCIAS_LETRAS_NAO_PRETENDIDAS rr;;;br\n");
  folder.Write("utils", "ana\n");
  const std::string data = "--data " + folder.Path();

  EXPECT_EQ(Predict(data + " --prefix ca").output, "W\tcasa\nW\tcarro\nW\tcabra\n");
  EXPECT_EQ(Predict(data + " --profile ana --prefix ca").output, "W\tcasa\n");
  EXPECT_EQ(Predict(data + " --profile ana --set SEQUENCIAS_LETRAS_NAO_PRETENDIDAS=sa "
                           "--prefix ca").output,
            "W\tcarro\nW\tcabra\n");

  const ToolRun unknown = Predict(data + " --set CHAVE_DESCONHECIDA=1 --prefix ca");
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.output.find("unknown option key: CHAVE_DESCONHECIDA"), std::string::npos);
  EXPECT_EQ(Predict(data + " --set ALTURA_TECLAS=alta --prefix ca").exitCode, 2);
  EXPECT_EQ(Predict(data + " --profile ../ana --prefix ca").exitCode, 2);
}

}  // namespace
}  // namespace vorelio
