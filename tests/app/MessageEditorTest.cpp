// The program's own message editor as the target: chosen while the
// program's window is in front, written into directly, holding pictograms.
#include "ControllerFixture.h"
#include "keyboards/PictogramLabel.h"

namespace vorelio::testing {
namespace {

// Pictures of the editor's height, one pixel wide per pictogram of the row.
class RecordingPictureMaker final : public PictogramPictureMaker {
 public:
  std::optional<PictogramPicture> Make(std::string_view reference, std::string_view caption,
                                       int32_t editorHeight) override {
    made.push_back(std::string(reference) + " | " + std::string(caption));
    const auto parts = static_cast<int32_t>(PictogramReferences(reference).size());
    return PictogramPicture{parts, editorHeight, {}};
  }
  std::vector<std::string> made;
};

class MessageEditorTest : public ControllerTest {
 protected:
  void StartInEditor(const std::map<std::string, std::string>& changes = {}) {
    Start(changes);
    view->SetPictogramPictureMaker(&pictures);
    PutEditorInFront(editor);
  }
  RecordingPictureMaker pictures;
};

TEST_F(MessageEditorTest, APictogramKeyReplacesTheWordTypedWithItsPictogram) {
  StartInEditor({{"ALTURA_EDITOR_MENSAGENS", "160"}});
  EXPECT_EQ(LogLinesWith("WORD_PROCESSOR_CHANGE INTERNAL_WORD_PROCESSOR").size(), 1u);
  editor.Type("quero p");
  Click(kBreadKey);
  EXPECT_EQ(pictures.made, std::vector<std::string>{"CAT_IMG_Comida\\p\xE3o.bmp | "});
  EXPECT_EQ(editor.pictograms, std::vector<std::string>{"p\xE3o | [p\xE3o] | 1x160"});
  EXPECT_EQ(editor.model.Text(), "quero p\xE3o ");
  // Learnt as a key's output.
  EXPECT_EQ(UserWordFrequency("p\xE3o"), 1);
  EXPECT_EQ(Counters().Of(WritingEvent::kSinglePictogramWritten), 1);
  EXPECT_EQ(view->SynthesizedKeyCount(), 0);  // the editor erases without keys
}

TEST_F(MessageEditorTest, APictogramSentenceReplacesTheSentenceItBegins) {
  std::filesystem::create_directory(folder.File("CAT_IMG_Palavras"));
  folder.Write("CAT_IMG_Palavras/bom.bmp", "");
  folder.Write("CAT_IMG_Palavras/dia.bmp", "");
  StartInEditor();
  editor.Type("Bom d");
  view->RunPredictionCycle();
  EXPECT_EQ(Suggestion(kPictogramSentenceKey),
            "CAT_IMG_Palavras\\bom.bmp:CAT_IMG_Palavras\\dia.bmp");
  Click(kPictogramSentenceKey);
  EXPECT_EQ(editor.pictograms, std::vector<std::string>{"bom dia | [bom] [dia] | 2x80"});
  EXPECT_EQ(editor.model.Text(), "bom dia ");
  EXPECT_EQ(Counters().PredictedPictograms(PictogramKind::kCompound).count, 1);
  EXPECT_EQ(Counters().Of(WritingEvent::kCompoundPictogramWritten), 1);
  EXPECT_EQ(LogLinesWith("PREDICTED_IMAGE_SENTENCE_SELECTION_[bom]_[dia] 2.0.1").size(), 1u);
}

TEST_F(MessageEditorTest, TheWordSpeechKeySpeaksThePictogramAtTheCaret) {
  StartInEditor();
  editor.caretAtPictogram = true;
  editor.pictogramWords = "p\xE3o";
  view->HandleMessage(WM_HOOK_KEY_DOWN, kF11, 0);
  EXPECT_EQ(Spoken(), std::vector<std::string>{"p\xE3o"});
  EXPECT_EQ(LogLinesWith("KEY_DOWN_F11 SYNTHESIZE_IMAGE_p\xE3o").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kPictogramSpoken), 1);
}

TEST_F(MessageEditorTest, TheEditorsTextEndsTheLog) {
  StartInEditor();
  editor.Type("Ol\xE1 Ana.");
  view.reset();
  EXPECT_EQ(LogLinesWith("Linha_Texto_Final").size(), 0u);  // not an event line
  EXPECT_NE(LogText().find("Linha_Texto_Final Ol\xE1 Ana."), std::string::npos);
}

}  // namespace
}  // namespace vorelio::testing
