// predarin-predict: shows what the prediction engine suggests for a previous
// word or sentence and the letters typed so far, on a data folder.
//
//   predarin-predict --data DIR [--profile NAME] [--set KEY=VALUE]... [--raw]
//                    [--sentences] [--previous TEXT] [--prefix TEXT] [--stats]
//
// Words (the default): --previous is the last completed word, --prefix the
// letters of the current word; the text before the caret is the previous
// word with the space that ended it, then the prefix ("casa " or
// "casa ca"), so no prefix asks for the words that follow. With
// --sentences: --previous is the last completed sentence, --prefix what
// has been written of the current sentence. --raw prints the engine's
// ranked candidates for the single prefix, before the suggestion filters,
// as "text<TAB>score"; it takes the previous word or sentence as the
// suggestion requests do.
//
// Options come from the profile's options file DIR/NAME.cfg (the defaults
// of a new profile when it is missing); each --set then changes one option
// by its file key, with the value as the file writes it. An unknown key or
// a value of the wrong type is an error (exit 2).
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"
#include "prediction/PredictionOptions.h"
#include "prediction/SentencePredictor.h"
#include "prediction/Suggestions.h"
#include "prediction/WordPredictor.h"
#include "tools/support/ToolProfile.h"

namespace vorelio {
namespace {

constexpr int kBestCount = 100;

struct Arguments {
  std::string dataFolder;
  std::string profile = "generico";
  std::vector<std::string> settings;  // KEY=VALUE, Windows-1252, in order
  PredictionOptions options;           // from the options file and the settings
  bool raw = false;
  bool sentences = false;
  bool stats = false;
  std::string previous;  // Windows-1252
  std::string prefix;    // Windows-1252
};

void PrintUsage() {
  std::fputs(
      "usage: predarin-predict --data DIR [--profile NAME] [--set KEY=VALUE]... [--raw]\n"
      "                        [--sentences] [--previous TEXT] [--prefix TEXT] [--stats]\n",
      stderr);
}

void PrintLine(std::string_view tag, std::string_view textCp1252) {
  std::printf("%.*s\t%s\n", static_cast<int>(tag.size()), tag.data(),
              Cp1252ToUtf8(textCp1252).c_str());
}

// Returns false (after saying why) when the command line cannot be used.
bool ParseArguments(int argc, char** argv, Arguments& arguments) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--raw") {
      arguments.raw = true;
    } else if (flag == "--sentences") {
      arguments.sentences = true;
    } else if (flag == "--stats") {
      arguments.stats = true;
    } else if (flag == "--help" || flag == "-h") {
      PrintUsage();
      std::exit(0);
    } else if (hasValue && TakeProfileArgument(flag, argv[i + 1], arguments.dataFolder,
                                               arguments.profile, arguments.settings)) {
      ++i;
    } else if (hasValue && flag == "--previous") {
      arguments.previous = UserTextToCp1252(argv[++i]);
    } else if (hasValue && flag == "--prefix") {
      arguments.prefix = UserTextToCp1252(argv[++i]);
    } else {
      std::fprintf(stderr, "unknown or incomplete argument: %s\n", argv[i]);
      PrintUsage();
      return false;
    }
  }
  if (arguments.dataFolder.empty()) {
    std::fputs("--data DIR is required\n", stderr);
    PrintUsage();
    return false;
  }
  return true;
}

void PrintStats(const CDictionary& dictionary) {
  std::printf("words %d\n", dictionary.WordCount());
  std::printf("sentences %d\n", dictionary.SentenceCount());
  std::printf("general_word_total %d\n", dictionary.GeneralWordTotal());
  std::printf("general_pair_total %d\n", dictionary.GeneralPairTotal());
  std::printf("user_word_total %d\n", dictionary.UserWordTotal());
  std::printf("user_pair_total %d\n", dictionary.UserPairTotal());
  std::printf("general_sentence_total %d\n", dictionary.GeneralSentenceTotal());
  std::printf("general_sentence_pair_total %d\n", dictionary.GeneralSentencePairTotal());
  std::printf("user_sentence_total %d\n", dictionary.UserSentenceTotal());
  std::printf("user_sentence_pair_total %d\n", dictionary.UserSentencePairTotal());
}

void PrintRaw(const CDictionary& dictionary, const Arguments& arguments) {
  if (arguments.sentences) {
    CSentencePredictor predictor;
    predictor.PredictSentences(dictionary, arguments.options,
                               RequestPreviousSentence(arguments.previous), arguments.prefix);
    std::vector<CDictionarySentenceScore> best(kBestCount);
    const int32_t count = predictor.BestPredictions(kBestCount, best);
    for (int32_t i = 0; i < count; ++i)
      std::printf("%s\t%.6f\n", Cp1252ToUtf8(best[i].entry->text).c_str(), best[i].score);
  } else {
    CWordPredictor predictor;
    predictor.PredictWords(dictionary, arguments.options, RequestPreviousWord(arguments.previous),
                           arguments.prefix);
    std::vector<CDictionaryWordScore> best(kBestCount);
    const int32_t count = predictor.BestPredictions(kBestCount, best);
    for (int32_t i = 0; i < count; ++i)
      std::printf("%s\t%.6f\n", Cp1252ToUtf8(best[i].entry->text).c_str(), best[i].score);
  }
}

void PrintSuggestions(const CDictionary& dictionary, const Arguments& arguments) {
  if (arguments.sentences) {
    CSentencePredictor predictor;
    SentenceSuggestions suggestions;
    RequestSentenceSuggestions(dictionary, predictor, arguments.options, arguments.prefix,
                               arguments.previous, suggestions);
    for (const std::string& sentence : suggestions.sentences) PrintLine("S", sentence);
    for (const std::string& sentence : suggestions.pictogramSentences) PrintLine("PS", sentence);
    return;
  }
  std::string textBeforeCaret = arguments.previous;
  if (!textBeforeCaret.empty()) textBeforeCaret += ' ';  // the previous word has ended
  textBeforeCaret += arguments.prefix;
  CWordPredictor predictor;
  WordSuggestions suggestions;
  RequestWordSuggestions(dictionary, predictor, arguments.options, arguments.prefix,
                         arguments.previous, textBeforeCaret, suggestions);
  for (const std::string& word : suggestions.words) PrintLine("W", word);
  for (const std::string& pictogram : suggestions.pictograms) PrintLine("P", pictogram);
}

int Run(int argc, char** argv) {
  Arguments arguments;
  if (!ParseArguments(argc, argv, arguments)) return 2;
  ToolProfile profile;
  if (!LoadToolProfile(arguments.dataFolder, arguments.profile, arguments.settings, profile))
    return 2;
  arguments.options = profile.properties.options;

  StderrMessageBox messages;
  CDictionary dictionary(profile.files, messages);
  dictionary.LoadDictionary(profile.dataFolder, profile.name,
                            arguments.options.LearnsFromUser());
  if (arguments.stats) PrintStats(dictionary);
  if (arguments.raw) PrintRaw(dictionary, arguments);
  else if (!arguments.stats || !arguments.prefix.empty() || !arguments.previous.empty())
    PrintSuggestions(dictionary, arguments);
  return 0;
}

}  // namespace
}  // namespace vorelio

int main(int argc, char** argv) { return vorelio::Run(argc, argv); }
