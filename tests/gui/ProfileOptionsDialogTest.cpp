#include "gui/dialogs/ProfileOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "OptionDialogsTestSupport.h"
#include "app/ProfileOptionPages.h"
#include "gui/QtText.h"
#include "gui/dialogs/ColourButton.h"
#include "gui/dialogs/SpeechExceptionsDialog.h"

namespace vorelio {
namespace {

using testing::CountRecords;
using testing::WhenShown;

class ProfileOptionsDialogTest : public testing::OptionDialogsTest {
 protected:
  template <typename W>
  W* Editor(ProfileOptionsDialog& dialog, const char* key) {
    auto* widget = dialog.findChild<W*>(QString::fromLatin1(key));
    EXPECT_NE(widget, nullptr) << key;
    return widget;
  }
  static void Choose(QComboBox* combo, const char* text) {
    const int index = combo->findText(ToQString(text));
    ASSERT_GE(index, 0) << text;
    combo->setCurrentIndex(index);
  }
  // Edits one option of each kind on `dialog`.
  void EditSome(ProfileOptionsDialog& dialog) {
    Editor<QSpinBox>(dialog, "NUMERO_MAXIMO_PALAVRAS_PREDITAS")->setValue(50);  // the page offers 10
    Editor<QSpinBox>(dialog, "TEMPO_DE_PREDICAO")->setValue(50);                // and 200 at least
    Editor<QCheckBox>(dialog, "OUVIR_LETRAS")->setChecked(true);
    Choose(Editor<QComboBox>(dialog, "NOME_SINTETIZADOR_FALA"), "Voz B");
    Choose(Editor<QComboBox>(dialog, "METODO_VARRIMENTO"), "Inverso");
    Choose(Editor<QComboBox>(dialog, "TECLAS_COMPLETAR"), "F1 a F10");
    Editor<ColourButton>(dialog, "COR_FUNDO")->SetColour(0x0000FF);
    Editor<QDoubleSpinBox>(dialog, "LATITUDE_LOCAL_FISICO")->setValue(38.7223);
    Editor<QComboBox>(dialog, "TIPO_LETRA")->setEditText("Times New Roman");
    Editor<QLineEdit>(dialog, "INTERVALOS_TEMPO_SABADO")->setText("09:00-12:30");
    Editor<QLineEdit>(dialog, "SEQUENCIAS_LETRAS_NAO_PRETENDIDAS")->setText("\xC3\xA7" "a kw");
  }
  // What EditSome gives.
  static UserProfileOptions Edited(UserProfileOptions options) {
    options.maxWordSuggestions = 10;
    options.predictionDelayMs = 200;
    options.speakLetters = 1;
    options.voiceName = "Voz B";
    options.scanningMethod = "Inverso";
    options.completionKeys = 112;
    options.keyBackgroundColour = 0x0000FF;
    options.placeLatitude = 38.7223;
    options.fontFace = "Times New Roman";
    options.saturdayIntervals = "09:00-12:30";
    options.unwantedSequences = "\xE7" "a kw";
    return options;
  }
};

TEST_F(ProfileOptionsDialogTest, EveryOptionHasAnEditorNamedByItsKey) {
  ProfileOptionsDialog dialog(nullptr, "generico", UserProfileOptions(), Choices(), Services());
  for (const UserProfileOptionKey& option : UserProfileOptionKeys())
    EXPECT_NE(dialog.findChild<QWidget*>(ToQString(option.key)), nullptr) << option.key;
  EXPECT_EQ(dialog.windowTitle(), ToQString("Op\xE7\xF5" "es do Perfil generico"));
}

TEST_F(ProfileOptionsDialogTest, EditedValuesAreWrittenHeldToTheirBoundsAndNothingElse) {
  const UserProfileOptions before;
  ProfileOptionsDialog dialog(nullptr, "ana", before, Choices(), Services());
  EditSome(dialog);
  UserProfileOptions after = before;
  dialog.WriteChangedValues(after);
  EXPECT_EQ(after, Edited(before));
  EXPECT_EQ(FormatOptionValue(after, *FindUserProfileOptionKey("TIPO_LETRA")),
            "Times;;;New;;;Roman");
}

TEST_F(ProfileOptionsDialogTest, StoredValuesTheDialogDoesNotOfferAreKeptWhenUntouched) {
  UserProfileOptions stored;
  stored.maxWordSuggestions = 50;          // the page offers 0 to 10
  stored.voiceName = "Voz Antiga";         // not installed here
  stored.keyboardName = "Perdido";         // not in the folder
  stored.startMinimized = 2;               // a switch other than 0 or 1
  stored.completionKeys = 65;              // neither F1 nor 0
  stored.placeLongitude = -9.1393371234;   // more decimals than shown
  stored.mondayIntervals = "08:00-09:00";
  ProfileOptionsDialog dialog(nullptr, "ana", stored, Choices(), Services());
  EXPECT_EQ(Editor<QSpinBox>(dialog, "NUMERO_MAXIMO_PALAVRAS_PREDITAS")->value(), 50);
  EXPECT_EQ(Editor<QComboBox>(dialog, "NOME_SINTETIZADOR_FALA")->currentText(), "Voz Antiga");
  EXPECT_EQ(Editor<QComboBox>(dialog, "TECLAS_COMPLETAR")->currentText(), "65");
  UserProfileOptions after = stored;
  dialog.WriteChangedValues(after);
  EXPECT_EQ(after, stored);

  // A switch turned off writes 0.
  stored.showWindowBars = 1;
  ProfileOptionsDialog switchOff(nullptr, "ana", stored, Choices(), Services());
  Editor<QCheckBox>(switchOff, "MOSTRAR_BARRAS_JANELA")->setChecked(false);
  switchOff.WriteChangedValues(stored);
  EXPECT_EQ(stored.showWindowBars, 0);
}

TEST_F(ProfileOptionsDialogTest, BadTimeIntervalsKeepTheDialogOpenWithAMessage) {
  ProfileOptionsDialog dialog(nullptr, "ana", UserProfileOptions(), Choices(), Services());
  Editor<QLineEdit>(dialog, "INTERVALOS_TEMPO_TERCA_FEIRA")->setText("8h-12h");
  dialog.show();
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("Ter\xE7" "a-feira n\xE3o s\xE3o v\xE1lidos"),
            std::string::npos);
  Editor<QLineEdit>(dialog, "INTERVALOS_TEMPO_TERCA_FEIRA")->setText("08:00-12:00");
  dialog.accept();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ProfileOptionsDialogTest, OkWritesTheOptionsAndRecordsTheDialogAndItsPagesCancelDoesNot) {
  QtOptionDialogs dialogs(nullptr, Services());
  UserProfileOptions options;
  options.keyboardName = "Casa";
  const UserProfileOptions before = options;
  WhenShown<ProfileOptionsDialog>([this](ProfileOptionsDialog& dialog) {
    EditSome(dialog);
    dialog.reject();
  });
  EXPECT_FALSE(dialogs.EditProfileOptions("ana", options, Choices()));
  EXPECT_EQ(options, before);
  EXPECT_EQ(CountRecords(Records(), 140), 1);

  options = UserProfileOptions();
  WhenShown<ProfileOptionsDialog>([this](ProfileOptionsDialog& dialog) {
    dialog.ShowPage(6);  // speech
    EditSome(dialog);
    dialog.accept();
  });
  EXPECT_TRUE(dialogs.EditProfileOptions("ana", options, Choices()));
  EXPECT_EQ(options, Edited(UserProfileOptions()));
  // The pages shown stand inside the dialog's record.
  const std::string open = "<OPEN_TIME>1970:01:01:00:00:00</OPEN_TIME>\n";
  const std::string close = "<CLOSE_TIME>1970:01:01:00:00:00</CLOSE_TIME>\n</DIALOG>\n";
  const std::string recorded = Records();
  EXPECT_EQ(recorded.substr(recorded.rfind("<DIALOG>\n<ID>140</ID>")),
            "<DIALOG>\n<ID>140</ID>\n" + open + "<DIALOG>\n<ID>150</ID>\n" + open + close +
                "<DIALOG>\n<ID>156</ID>\n" + open + close + close);
}

TEST_F(ProfileOptionsDialogTest, TheExceptionsButtonRefusesNoVoiceAndOpensTheChosenVoices) {
  ProfileOptionsDialog dialog(nullptr, "ana", UserProfileOptions(), Choices(), Services());
  auto* button = dialog.findChild<QPushButton*>("speechExceptions");
  ASSERT_NE(button, nullptr);
  button->click();  // the voice is "Nenhum"
  EXPECT_EQ(messages.messages,
            std::vector<std::string>{"N\xe3o se encontra selecionado um sintetizador de fala!"});
  EXPECT_EQ(CountRecords(Records(), static_cast<int>(ConfiguratorDialog::kSpeechExceptions)), 0);

  Choose(Editor<QComboBox>(dialog, "NOME_SINTETIZADOR_FALA"), "Voz B");  // not yet accepted
  WhenShown<SpeechExceptionsDialog>([](SpeechExceptionsDialog& exceptions) {
    exceptions.findChild<QLineEdit*>("text")->setText("Sr.");
    exceptions.findChild<QPushButton*>("add")->click();
    exceptions.reject();
  });
  button->click();
  EXPECT_EQ(folder.Read("Voz B_text_exceptions.txt"), "Sr.:\n");
  EXPECT_EQ(CountRecords(Records(), static_cast<int>(ConfiguratorDialog::kSpeechExceptions)), 1);
  EXPECT_EQ(messages.messages.size(), 1u);
}

}  // namespace
}  // namespace vorelio
