// predarin-bench: how long the dictionary takes to load and how long the
// controller's suggestion requests take, over a full-size dictionary and
// over the shipped one.
//
//   predarin-bench [--full DIR] [--data DIR] [--out FILE]
//                  [--queries N] [--repetitions N] [--loads N]
//
// --full names a folder written by predarin-bench-generate (skipped when
// absent); --data defaults to the project's data/ folder (skipped with a
// note when it has no geral.pal). Each figure is printed as one line
// "name value unit" and the same lines go to --out (by default
// bench/results/latest.txt); lines starting with "#" are notes. The load
// time is the median of --loads further loads (3) after the first.
//
// Every request is timed on its own. Requests are built from the loaded
// dictionary with a fixed seed: the word being typed and the words before it
// come from the dictionary's own sentences (or, when it has too few, from
// its word pairs), so prefixes and previous words are realistic. Each case
// cycles through its queries `repetitions` times, one query after the
// other, after one warm-up pass. Allocations are counted by the global
// operator new below; they include everything a request allocates,
// including the strings of the suggestion lists.
//
// Nothing here asserts a time: the figures are compared with the targets in
// BENCHMARKS.md by a person.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"
#include "platform/MessageBox.h"
#include "platform/PosixFileSystem.h"
#include "prediction/Dictionary.h"
#include "prediction/PredictionOptions.h"
#include "prediction/SentencePredictor.h"
#include "prediction/Suggestions.h"
#include "prediction/WordPredictor.h"

// ---- Allocation counting ----
// The harness is single-threaded; plain counters are enough.

namespace {
uint64_t allocationCount = 0;
uint64_t allocatedBytes = 0;

void* CountedAllocate(std::size_t size) {
  ++allocationCount;
  allocatedBytes += size;
  return std::malloc(size == 0 ? 1 : size);
}

void* CountedAlignedAllocate(std::size_t size, std::align_val_t alignment) {
  ++allocationCount;
  allocatedBytes += size;
  const auto align = static_cast<std::size_t>(alignment);
  const std::size_t rounded = (std::max<std::size_t>(size, 1) + align - 1) / align * align;
  return std::aligned_alloc(align, rounded);
}
}  // namespace

void* operator new(std::size_t size) {
  if (void* p = CountedAllocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  if (void* p = CountedAllocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return CountedAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return CountedAllocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  if (void* p = CountedAlignedAllocate(size, alignment)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  if (void* p = CountedAlignedAllocate(size, alignment)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }

namespace {

using vorelio::CDictionary;
using vorelio::DictionaryFile;
using vorelio::CSentencePredictor;
using vorelio::CWordPredictor;
using vorelio::PredictionOptions;
using vorelio::PosixFileSystem;
using vorelio::RecordingMessageBox;
using vorelio::SentenceSuggestions;
using vorelio::WordSuggestions;
using Clock = std::chrono::steady_clock;

// ---- Output ----

class Report {
 public:
  void Figure(const std::string& name, double value, std::string_view unit) {
    char line[256];
    if (value == static_cast<double>(static_cast<int64_t>(value)) && std::abs(value) < 1e15)
      std::snprintf(line, sizeof line, "%s %lld %.*s", name.c_str(),
                    static_cast<long long>(value), static_cast<int>(unit.size()), unit.data());
    else
      std::snprintf(line, sizeof line, "%s %.4g %.*s", name.c_str(), value,
                    static_cast<int>(unit.size()), unit.data());
    Emit(line);
  }
  void Note(const std::string& text) { Emit("# " + text); }
  bool WriteTo(const std::string& path) const {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines_) out << line << '\n';
    return static_cast<bool>(out);
  }

 private:
  void Emit(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    lines_.push_back(line);
  }
  std::vector<std::string> lines_;
};

// ---- Process figures ----

// A "Vm...:" line of /proc/self/status, in MB; -1 when unreadable.
double ProcessStatusMegabytes(std::string_view key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, key.size(), key) == 0 && line.size() > key.size() &&
        line[key.size()] == ':')
      return std::strtod(line.c_str() + key.size() + 1, nullptr) / 1024.0;
  }
  return -1;
}

std::string LoadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string a, b, c;
  in >> a >> b >> c;
  return a + " " + b + " " + c;
}

// ---- Deterministic choices ----

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {  // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

 private:
  uint64_t state_;
};

// ---- Requests ----

// What the output target would report at one moment of writing.
struct Request {
  std::string currentWord;
  std::string previousWord;
  std::string textBeforeCaret;  // the sentence in progress, up to the caret
  std::string lastSentence;
};

std::vector<std::string> Words(std::string_view sentence) {
  return vorelio::Split(sentence, vorelio::kSeparators);
}

bool PlainSentence(std::string_view sentence) {
  return sentence != vorelio::kStartOfTextWord && !vorelio::HoldsPictogram(sentence) &&
         sentence.find(' ') != std::string_view::npos;
}

std::string Join(const std::vector<std::string>& words, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += words[i];
    text += ' ';
  }
  return text;
}

// The most frequent words that have successors, most frequent first.
std::vector<const vorelio::CWord*> FrequentWordsWithSuccessors(const CDictionary& dictionary,
                                                               std::size_t count) {
  std::vector<const vorelio::CWord*> words;
  for (const vorelio::CWord& word : dictionary.Words())
    if (!word.successors.empty() && word.text != vorelio::kStartOfTextWord &&
        !vorelio::IsPictogramWord(word.text))
      words.push_back(&word);
  std::stable_sort(words.begin(), words.end(), [](const auto* a, const auto* b) {
    return a->generalFrequency > b->generalFrequency;
  });
  if (words.size() > count) words.resize(count);
  return words;
}

// Requests while typing the first `letters` letters of a word. The words come
// from the dictionary's sentences, at every position (so some requests are
// at a sentence start, where the sentence prefix is one short word), or,
// when it has fewer than 1000 sentences of several words, from its pairs
// (the previous word one of the 2000 most frequent with successors).
std::vector<Request> PrefixRequests(const CDictionary& dictionary, std::size_t letters,
                                    std::size_t count, Random& random, std::string& source) {
  std::vector<Request> requests;
  std::vector<const vorelio::CSentence*> sentences;
  for (const vorelio::CSentence& sentence : dictionary.Sentences())
    if (PlainSentence(sentence.text)) sentences.push_back(&sentence);
  if (sentences.size() >= 1000) {
    source = "sentences";
    for (int attempt = 0; requests.size() < count && attempt < 100000; ++attempt) {
      const std::vector<std::string> words =
          Words(sentences[random.Below(sentences.size())]->text);
      if (words.empty()) continue;
      const std::size_t at = random.Below(words.size());
      if (words[at].size() <= letters) continue;
      Request request;
      request.currentWord = words[at].substr(0, letters);
      request.previousWord = at > 0 ? words[at - 1] : "";
      request.textBeforeCaret = Join(words, at) + request.currentWord;
      requests.push_back(std::move(request));
    }
    return requests;
  }
  source = "word pairs";
  const auto frequent = FrequentWordsWithSuccessors(dictionary, 2000);
  if (frequent.empty()) return requests;
  for (int attempt = 0; requests.size() < count && attempt < 100000; ++attempt) {
    const vorelio::CWord& previous = *frequent[random.Below(frequent.size())];
    const std::string& next = previous.successors[random.Below(previous.successors.size())].text;
    if (next.size() <= letters || vorelio::IsPictogramWord(next)) continue;
    Request request;
    request.currentWord = next.substr(0, letters);
    request.previousWord = previous.text;
    request.textBeforeCaret = previous.text + " " + request.currentWord;
    requests.push_back(std::move(request));
  }
  return requests;
}

// Next-word requests: nothing typed after one of the most frequent words.
std::vector<Request> NextWordRequests(const CDictionary& dictionary, std::size_t count) {
  std::vector<Request> requests;
  for (const vorelio::CWord* word : FrequentWordsWithSuccessors(dictionary, count)) {
    Request request;
    request.previousWord = word->text;
    request.textBeforeCaret = word->text + " ";
    requests.push_back(std::move(request));
  }
  return requests;
}

// ---- Measurement ----

struct Samples {
  std::vector<double> milliseconds;
  std::vector<uint64_t> allocations;
  std::vector<uint64_t> bytes;
  double words = 0, sentences = 0;  // suggestions produced, summed
};

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  const auto k = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
  return values[k];
}

enum class Mode { kWordAndSentence, kWord, kSentence };

class Requester {
 public:
  explicit Requester(const CDictionary& dictionary) : dictionary_(dictionary) {}

  void Run(Mode mode, const Request& request) {
    if (mode != Mode::kSentence)
      vorelio::RequestWordSuggestions(dictionary_, wordPredictor_, options_, request.currentWord,
                                      request.previousWord, request.textBeforeCaret, words_);
    if (mode != Mode::kWord)
      vorelio::RequestSentenceSuggestions(dictionary_, sentencePredictor_, options_,
                                          request.textBeforeCaret, request.lastSentence,
                                          sentences_);
  }

  Samples Measure(Mode mode, const std::vector<Request>& requests, int repetitions) {
    Samples samples;
    for (const Request& request : requests) Run(mode, request);  // warm-up
    for (int r = 0; r < repetitions; ++r) {
      for (const Request& request : requests) {
        words_.words.clear();
        sentences_.sentences.clear();
        const uint64_t allocationsBefore = allocationCount;
        const uint64_t bytesBefore = allocatedBytes;
        const auto start = Clock::now();
        Run(mode, request);
        const auto stop = Clock::now();
        samples.allocations.push_back(allocationCount - allocationsBefore);
        samples.bytes.push_back(allocatedBytes - bytesBefore);
        samples.milliseconds.push_back(
            std::chrono::duration<double, std::milli>(stop - start).count());
        samples.words += static_cast<double>(words_.words.size());
        samples.sentences += static_cast<double>(sentences_.sentences.size());
      }
    }
    return samples;
  }

 private:
  const CDictionary& dictionary_;
  const PredictionOptions options_{};
  CWordPredictor wordPredictor_;
  CSentencePredictor sentencePredictor_;
  WordSuggestions words_;
  SentenceSuggestions sentences_;
};

void ReportSamples(Report& report, const std::string& prefix, Mode mode, const Samples& s) {
  const double n = static_cast<double>(s.milliseconds.size());
  report.Figure(prefix + "_median", Percentile(s.milliseconds, 0.5), "ms");
  report.Figure(prefix + "_p99", Percentile(s.milliseconds, 0.99), "ms");
  report.Figure(prefix + "_max", *std::max_element(s.milliseconds.begin(), s.milliseconds.end()),
                "ms");
  double allocations = 0;
  for (uint64_t a : s.allocations) allocations += static_cast<double>(a);
  report.Figure(prefix + "_allocations_mean", allocations / n, "allocations");
  report.Figure(prefix + "_allocations_max",
                static_cast<double>(*std::max_element(s.allocations.begin(), s.allocations.end())),
                "allocations");
  report.Figure(prefix + "_allocated_bytes_max",
                static_cast<double>(*std::max_element(s.bytes.begin(), s.bytes.end())), "bytes");
  if (mode != Mode::kSentence) report.Figure(prefix + "_word_suggestions_mean", s.words / n, "words");
  if (mode != Mode::kWord)
    report.Figure(prefix + "_sentence_suggestions_mean", s.sentences / n, "sentences");
}

// Resident memory is reported only for the first dictionary of the process:
// after another has been loaded and freed, the allocator keeps its pages.
void BenchDictionary(Report& report, const std::string& name, std::string folder,
                     std::size_t queries, int repetitions, int loads, bool measureMemory) {
  if (folder.back() != '/') folder.push_back('/');
  report.Note(name + ": " + folder + " (load average " + LoadAverage() + ")");

  // Loading, as a profile without user files loads: the four user files are
  // missing and each is reported through a message box.
  const double rssBefore = ProcessStatusMegabytes("VmRSS");
  PosixFileSystem files;
  RecordingMessageBox messages;
  const uint64_t allocationsBefore = allocationCount;
  auto start = Clock::now();
  auto dictionary = std::make_unique<CDictionary>(files, messages);
  dictionary->LoadDictionary(folder, "bench-profile", false);
  const double firstLoad = std::chrono::duration<double>(Clock::now() - start).count();
  const uint64_t loadAllocations = allocationCount - allocationsBefore;
  const double rssAfter = ProcessStatusMegabytes("VmRSS");
  report.Note(name + ": " + std::to_string(messages.messages.size()) +
              " message boxes while loading (missing user files, expected)");
  for (const std::string& message : messages.messages)
    report.Note(name + ":   " + vorelio::Cp1252ToUtf8(message));

  std::size_t pairs = 0, sentencePairs = 0;
  for (const vorelio::CWord& word : dictionary->Words()) pairs += word.successors.size();
  for (const vorelio::CSentence& sentence : dictionary->Sentences())
    sentencePairs += sentence.successors.size();
  report.Figure(name + "_words", dictionary->WordCount(), "words");
  report.Figure(name + "_word_pairs", static_cast<double>(pairs), "pairs");
  report.Figure(name + "_sentences", dictionary->SentenceCount(), "sentences");
  report.Figure(name + "_sentence_pairs", static_cast<double>(sentencePairs), "pairs");
  report.Figure(name + "_load_time_first", firstLoad, "s");
  report.Figure(name + "_load_allocations", static_cast<double>(loadAllocations), "allocations");
  if (measureMemory) report.Figure(name + "_rss_before_load", rssBefore, "MB");
  if (measureMemory) report.Figure(name + "_rss_after_load", rssAfter, "MB");

  // Requests.
  Random random(0x5EED0F00Dull);
  struct Case {
    std::string name;
    std::vector<Request> requests;
  };
  std::vector<Case> cases;
  cases.push_back({"next_word", NextWordRequests(*dictionary, queries)});
  cases.push_back({"next_word_start", {Request{}}});
  for (std::size_t letters = 1; letters <= 3; ++letters) {
    std::string source;
    cases.push_back({std::to_string(letters) + "letter",
                     PrefixRequests(*dictionary, letters, queries, random, source)});
    report.Note(name + ": " + cases.back().name + " requests: " +
                std::to_string(cases.back().requests.size()) + " from the " + source);
  }
  // The dictionary queries every request with a previous word or sentence
  // makes first: the successor records of the previous word (or of "___"),
  // timed alone to show their share of a request.
  {
    vorelio::CDictionaryNextWordSet nextWords(vorelio::kSuccessorCapacity);
    vorelio::CDictionaryNextSentenceSet nextSentences(vorelio::kSuccessorCapacity);
    std::vector<std::string> previousWords;
    for (const Request& request : cases[0].requests) previousWords.push_back(request.previousWord);
    const std::string start(vorelio::kStartOfTextWord);
    auto time = [&](const std::string& figure, const std::vector<std::string>& keys, auto query) {
      std::vector<double> milliseconds;
      for (int r = 0; r <= repetitions; ++r) {
        for (const std::string& key : keys) {
          const auto begin = Clock::now();
          query(key);
          const auto end = Clock::now();
          if (r > 0)  // the first pass warms up
            milliseconds.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
        }
      }
      report.Figure(name + "_" + figure + "_median", Percentile(milliseconds, 0.5), "ms");
      report.Figure(name + "_" + figure + "_p99", Percentile(milliseconds, 0.99), "ms");
    };
    if (!previousWords.empty())
      time("successor_records_of_word_frequent", previousWords, [&](const std::string& key) {
        nextWords.Clear();
        dictionary->SuccessorRecordsOfWord(key, nextWords);
      });
    const std::vector<std::string> starts(queries, start);
    time("successor_records_of_word_start", starts, [&](const std::string& key) {
      nextWords.Clear();
      dictionary->SuccessorRecordsOfWord(key, nextWords);
    });
    time("successor_records_of_sentence_start", starts, [&](const std::string& key) {
      nextSentences.Clear();
      dictionary->SuccessorRecordsOfSentence(key, nextSentences);
    });
  }

  Requester requester(*dictionary);
  if (measureMemory) report.Figure(name + "_rss_with_predictors", ProcessStatusMegabytes("VmRSS"), "MB");
  for (const Case& c : cases) {
    if (c.requests.empty()) {
      report.Note(name + ": no " + c.name + " requests could be built, skipped");
      continue;
    }
    // The single start-of-text request is repeated as often as the others.
    const int reps = c.requests.size() == 1 ? repetitions * static_cast<int>(queries) : repetitions;
    const struct {
      Mode mode;
      const char* label;
    } modes[] = {{Mode::kWordAndSentence, "word_sentence_request"},
                 {Mode::kWord, "word_request"},
                 {Mode::kSentence, "sentence_request"}};
    for (const auto& m : modes)
      ReportSamples(report, name + "_" + m.label + "_" + c.name, m.mode,
                    requester.Measure(m.mode, c.requests, reps));
  }
  if (measureMemory) report.Figure(name + "_rss_after_requests", ProcessStatusMegabytes("VmRSS"), "MB");
  if (measureMemory) report.Figure(name + "_rss_peak", ProcessStatusMegabytes("VmHWM"), "MB");

  // Further loads into fresh dictionaries (the first stays alive, as a
  // profile's dictionary would while another loads).
  std::vector<double> loadTimes;
  for (int i = 0; i < loads; ++i) {
    RecordingMessageBox ignored;
    start = Clock::now();
    auto another = std::make_unique<CDictionary>(files, ignored);
    another->LoadDictionary(folder, "bench-profile", false);
    loadTimes.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  if (!loadTimes.empty()) report.Figure(name + "_load_time", Percentile(loadTimes, 0.5), "s");

  // The same load file by file, to show where its time goes.
  if (loads > 0) {
    RecordingMessageBox ignored;
    CDictionary steps(files, ignored);
    auto step = [&](const char* figure, auto load) {
      const auto begin = Clock::now();
      load();
      report.Figure(name + "_load_step_" + figure,
                    std::chrono::duration<double>(Clock::now() - begin).count(), "s");
    };
    step("general_words", [&] { steps.Load(DictionaryFile::kGeneralWords, folder + "geral.pal"); });
    step("general_word_pairs",
         [&] { steps.Load(DictionaryFile::kGeneralWordPairs, folder + "geral.par"); });
    step("classes", [&] {
      steps.LoadClasses(folder + "geral.cg");
      steps.LoadClassPairs(folder + "geral.pcg");
    });
    step("general_sentences",
         [&] { steps.Load(DictionaryFile::kGeneralSentences, folder + "geral.frs"); });
    step("general_sentence_pairs",
         [&] { steps.Load(DictionaryFile::kGeneralSentencePairs, folder + "geral.paf"); });
  }

  report.Note(name + ": done (load average " + LoadAverage() + ")");
}

int Usage() {
  std::fprintf(stderr,
               "usage: predarin-bench [--full DIR] [--data DIR] [--out FILE] [--queries N] "
               "[--repetitions N] [--loads N]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string full, data = VORELIO_DATA_DIR, out = std::string(VORELIO_BENCH_RESULTS_DIR) +
                                                  "/latest.txt";
  std::size_t queries = 300;
  int repetitions = 5;
  int loads = 3;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return Usage();
    if (arg == "--full") full = argv[++i];
    else if (arg == "--data") data = argv[++i];
    else if (arg == "--out") out = argv[++i];
    else if (arg == "--queries") queries = std::strtoul(argv[++i], nullptr, 10);
    else if (arg == "--repetitions") repetitions = std::atoi(argv[++i]);
    else if (arg == "--loads") loads = std::atoi(argv[++i]);
    else return Usage();
  }
  if (queries == 0 || repetitions <= 0) return Usage();

  Report report;
  report.Note("predarin-bench: " + std::to_string(queries) + " queries per case, " +
              std::to_string(repetitions) + " repetitions each; load average " +
              LoadAverage());
  // The full-size dictionary first, so its resident memory is measured in a
  // process that has loaded nothing else.
  bool fresh = true;
  if (!full.empty() && std::filesystem::exists(full + "/geral.pal")) {
    BenchDictionary(report, "full", full, queries, repetitions, loads, fresh);
    fresh = false;
  } else {
    report.Note("full: no generated dictionary (run predarin-bench-generate --out DIR, then "
                "--full DIR), skipped");
  }
  if (std::filesystem::exists(data + "/geral.pal")) {
    if (!fresh) report.Note("data: resident memory not measured (the full dictionary was loaded "
                            "first in this process; run with --full '' to measure it)");
    BenchDictionary(report, "data", data, queries, repetitions, loads, fresh);
  } else {
    report.Note("data: " + data + "/geral.pal is absent, skipped");
  }
  if (!report.WriteTo(out)) {
    std::fprintf(stderr, "predarin-bench: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("# written to %s\n", out.c_str());
  return 0;
}
