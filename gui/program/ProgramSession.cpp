#include "gui/program/ProgramSession.h"

#include "app/Startup.h"
#include "gui/CTextBox.h"
#include "output/InternalWordProcessor.h"
#include "gui/QtPictogramPictureMaker.h"
#include "gui/TextNoticeWindow.h"
#include "platform/MessageNumbers.h"

namespace vorelio {
namespace {

// Posted by the focus watcher's thread to the relay's window.
constexpr uint32_t kForegroundMayHaveChanged = WM_APP + 200;

}  // namespace

// Brings the focus watcher's reports onto the loop's thread, where the
// controller lives.
class ProgramSession::FocusRelay final : public MessageHandler {
 public:
  FocusRelay(MessageLoop& loop, CPredarinView& view)
      : loop_(loop), view_(view), window_(loop.CreateWindow(*this)) {}
  ~FocusRelay() override { loop_.DestroyWindow(window_); }

  // From any thread.
  void Report() { PostMessageTo(window_, kForegroundMayHaveChanged, 0, 0); }

  void HandleMessage(uint32_t message, std::uintptr_t, std::intptr_t) override {
    if (message == kForegroundMayHaveChanged) view_.FocusChanged();
  }

 private:
  MessageLoop& loop_;
  CPredarinView& view_;
  const WindowHandle window_;
};

// The message editor's pictures in the key font of the profile in use.
class ProgramSession::ProfilePictureMaker final : public PictogramPictureMaker {
 public:
  ProfilePictureMaker(KeyPictureLoader& pictures, const std::string& dataFolder,
                      CPredarinView& view)
      : pictures_(pictures), dataFolder_(dataFolder), view_(view) {}

  std::optional<PictogramPicture> Make(std::string_view reference, std::string_view caption,
                                       int32_t editorHeight) override {
    const UserProfileOptions& options = view_.Options();
    QtPictogramPictureMaker maker(pictures_, dataFolder_, options.fontFace, options.suggestionFontSize);
    return maker.Make(reference, caption, editorHeight);
  }

 private:
  KeyPictureLoader& pictures_;
  const std::string& dataFolder_;
  CPredarinView& view_;
};

ProgramSession::ProgramSession(std::string dataFolder, QtMessageBox& messages)
    : dataFolder_(std::move(dataFolder)), messages_(messages) {
  messages_.SetParent(&window_);
  view_ = std::make_unique<CPredarinView>(PredarinServices{
      loop_, files_, messages_, clock_, dataFolder_, speechEngine_, keystrokes_, desktop_, hooks_,
      foreground_, window_, preview_, beeper_, launcher_, &pictures_, &startSignal_});
  pictureMaker_ = std::make_unique<ProfilePictureMaker>(pictures_, dataFolder_, *view_);
  view_->SetPictogramPictureMaker(pictureMaker_.get());
  window_.Attach(*view_, &keySounds_);

  programDialogs_ = std::make_unique<QtProgramDialogs>(&window_, messages_);
  optionDialogs_ = std::make_unique<QtOptionDialogs>(
      &window_, OptionDialogServices{speechEngine_, files_, messages_, &userRecord_});
  menuCommands_ = std::make_unique<MenuCommands>(MenuServices{
      *view_, systemOptions_, userRecord_, *programDialogs_, *optionDialogs_, messages_, files_,
      clipboard_, clock_, window_, dataFolder_});
  menu_ = std::make_unique<QtMainMenu>(*window_.menuBar(), [commands = menuCommands_.get()](
                                                                MenuCommand command) {
    commands->Run(command);
  });
  menuCommands_->SetMenuBar(menu_.get());
  window_.SetMenu(menu_.get());
  window_.SetLayoutListener([commands = menuCommands_.get()] { commands->FollowProfile(); });
}

ProgramSession::~ProgramSession() {
  focusWatcher_.reset();
  focusRelay_.reset();
  window_.SetLayoutListener(nullptr);
  window_.SetMenu(nullptr);
  menu_.reset();
  menuCommands_.reset();
  optionDialogs_.reset();
  programDialogs_.reset();
  window_.Detach();
  // The controller ends the logging period (reading the editor's text) and
  // saves the vocabulary; the editor goes after it.
  view_.reset();
  window_.RenewMessageEditor(false);
  systemOptions_.Save();
  messages_.SetParent(nullptr);
}

void ProgramSession::Start() {
  TextNoticeWindow splash(kSplashText);
  userRecord_.Open(dataFolder_);
  systemOptions_.Load(files_, dataFolder_, &userRecord_);
  view_->OpenProfile(StartProfileName(systemOptions_));
  window_.ShowAtStart();
  focusRelay_ = std::make_unique<FocusRelay>(loop_, *view_);
  focusWatcher_ = std::make_unique<X11FocusWatcher>(
      nullptr, [relay = focusRelay_.get()] { relay->Report(); });
}

MessageEditorParts ProgramSession::MakeMessageEditor() {
  auto* box = new CTextBox(files_);  // the window parents it
  return {box, std::make_unique<CInternalWordProcessor>(*box)};
}

}  // namespace vorelio
