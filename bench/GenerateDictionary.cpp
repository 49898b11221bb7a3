// predarin-bench-generate: writes a synthetic dictionary of full size in the
// formats of the general dictionary files, for the benchmarks.
//
//   predarin-bench-generate --out DIR [--seed N]
//
// Everything is drawn from a fixed-seed generator with our own integer and
// real conversions (no std::*_distribution, whose results differ between
// standard libraries), so the same seed gives the same bytes everywhere.
//
// What it writes into DIR (Windows-1252, "|" for spaces):
//   geral.pal  250000 distinct words, "word frequency class" lines (a few
//              with no class or no frequency), byte-sorted; includes "___"
//              and a few hundred pictogram words "[...]".
//   geral.par  1000000 word pairs grouped by first word, second words
//              ascending; Zipf-skewed successor counts, at most 10000 each.
//   geral.cg   15 classes;  geral.pcg  every pair of them.
//   geral.frs  250000 distinct normalised sentences (incl. "___"), sorted.
//   geral.paf  250000 sentence pairs, grouped and sorted likewise.
//
// Words follow a letter model of European Portuguese: first-letter and
// letter frequencies with accented letters, consonant clusters that the
// language allows, lengths 2-18 and word endings weighted as in running
// text. Frequencies are Zipf-like, shorter words tending to be frequent.
// Tables are sorted by their in-memory text (spaces, not "|"), which is the
// order the dictionary's bisections rely on.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kWords = 250000;
constexpr int kWordPairs = 1000000;
constexpr int kSentences = 250000;
constexpr int kSentencePairs = 250000;
constexpr int kMaxSuccessors = 10000;
constexpr int kPictograms = 300;
constexpr int kMultiWordPictograms = 40;
constexpr int kStartWordSuccessors = 6000;
constexpr int kStartSentenceSuccessors = 3000;

// splitmix64-seeded xoshiro256**: small, fast and fully specified.
class Random {
 public:
  explicit Random(uint64_t seed) {
    for (auto& s : state_) {
      seed += 0x9E3779B97F4A7C15ull;
      uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      s = z ^ (z >> 31);
    }
  }
  uint64_t Next() {
    const uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
  }
  // Uniform in [0, 1).
  double Real() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Uniform in [0, n).
  uint32_t Below(uint32_t n) {
    return static_cast<uint32_t>(((Next() >> 32) * n) >> 32);
  }

 private:
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::array<uint64_t, 4> state_{};
};

// Draws an index with probability proportional to its weight.
class WeightedChoice {
 public:
  WeightedChoice() = default;
  explicit WeightedChoice(const std::vector<double>& weights) { Reset(weights); }
  void Reset(const std::vector<double>& weights) {
    cumulative_.resize(weights.size());
    double sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
      sum += weights[i];
      cumulative_[i] = sum;
    }
  }
  bool Empty() const { return cumulative_.empty() || cumulative_.back() <= 0; }
  uint32_t Draw(Random& random) const {
    const double target = random.Real() * cumulative_.back();
    const auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), target);
    return static_cast<uint32_t>(std::min<std::size_t>(it - cumulative_.begin(),
                                                       cumulative_.size() - 1));
  }

 private:
  std::vector<double> cumulative_;
};

// ---- Letter model ----

struct Letter {
  unsigned char code;   // Windows-1252
  double frequency;     // share of letters in running text, %
  double first;         // share of word-initial letters, %
  double last;          // share of word-final letters, %
  bool vowel;
  bool accented;
};

// European Portuguese letter statistics (running text), rounded.
constexpr Letter kLetters[] = {
    {'a', 14.6, 10.5, 30.0, true, false},  {'b', 1.0, 4.0, 0.0, false, false},
    {'c', 3.9, 11.0, 0.0, false, false},   {'d', 5.0, 7.5, 0.0, false, false},
    {'e', 12.6, 6.5, 12.0, true, false},   {'f', 1.0, 4.0, 0.0, false, false},
    {'g', 1.3, 2.8, 0.0, false, false},    {'h', 1.3, 1.2, 0.0, false, false},
    {'i', 6.2, 4.0, 1.0, true, false},     {'j', 0.4, 1.0, 0.0, false, false},
    {'k', 0.02, 0.05, 0.0, false, false},  {'l', 2.8, 3.0, 2.0, false, false},
    {'m', 4.7, 6.5, 4.0, false, false},    {'n', 5.0, 3.0, 0.3, false, false},
    {'o', 10.7, 3.0, 25.0, true, false},   {'p', 2.5, 9.0, 0.0, false, false},
    {'q', 1.2, 1.5, 0.0, false, false},    {'r', 6.5, 5.0, 6.0, false, false},
    {'s', 7.8, 7.0, 18.0, false, false},   {'t', 4.3, 5.0, 0.0, false, false},
    {'u', 4.6, 1.2, 0.5, true, false},     {'v', 1.7, 3.0, 0.0, false, false},
    {'w', 0.01, 0.02, 0.0, false, false},  {'x', 0.2, 0.3, 0.1, false, false},
    {'y', 0.01, 0.02, 0.0, false, false},  {'z', 0.5, 0.3, 1.0, false, false},
    {0xE1, 0.5, 0.1, 0.3, true, true},     // á
    {0xE0, 0.05, 0.3, 0.0, true, true},    // à
    {0xE2, 0.1, 0.0, 0.0, true, true},     // â
    {0xE3, 0.7, 0.0, 0.4, true, true},     // ã
    {0xE7, 0.4, 0.0, 0.0, false, true},    // ç
    {0xE9, 0.4, 0.2, 0.3, true, true},     // é
    {0xEA, 0.2, 0.0, 0.2, true, true},     // ê
    {0xED, 0.2, 0.0, 0.1, true, true},     // í
    {0xF3, 0.2, 0.0, 0.1, true, true},     // ó
    {0xF4, 0.1, 0.0, 0.0, true, true},     // ô
    {0xF5, 0.1, 0.0, 0.0, true, true},     // õ
    {0xFA, 0.1, 0.0, 0.0, true, true},     // ú
};
constexpr int kLetterCount = static_cast<int>(std::size(kLetters));

// Consonant pairs that Portuguese words hold.
constexpr std::string_view kClusters[] = {
    "br", "cr", "dr", "fr", "gr", "pr", "tr", "vr", "bl", "cl", "fl", "gl", "pl",
    "ch", "lh", "nh", "rr", "ss", "st", "sc", "sp", "nt", "nd", "mp", "mb", "nc",
    "ng", "rt", "rd", "rm", "rn", "rc", "rs", "lt", "ld", "lm", "ls", "ct", "pt",
    "sm", "sq", "rg", "rv", "nv", "ns", "lv", "sg", "xp", "xt", "bs", "bj", "tm"};

// How likely `next` is to follow `previous`, beyond its own frequency.
double Compatibility(const Letter& previous, const Letter& next) {
  if (previous.code == 'q') return next.code == 'u' ? 1.0 : 0.0;
  if (next.code == 0xE7 /* ç */) return previous.vowel ? 1.0 : 0.0;
  if (previous.code == 0xE7) return next.vowel && next.code != 'e' && next.code != 'i' ? 3.0 : 0.0;
  if (previous.code == 0xE3 /* ã */ || previous.code == 0xF5 /* õ */)
    return next.code == 'o' || next.code == 'e' || next.code == 's' ? 8.0 : 0.0;
  if (previous.code == 'h') return next.vowel ? 2.0 : 0.0;
  if (previous.vowel && next.vowel) return 0.25;
  if (previous.vowel) return 1.4;
  if (next.vowel) return 2.2;
  for (std::string_view cluster : kClusters)
    if (static_cast<unsigned char>(cluster[0]) == previous.code &&
        static_cast<unsigned char>(cluster[1]) == next.code)
      return 0.6;
  return 0.0;
}

bool IsVowel(unsigned char c) {
  for (const Letter& letter : kLetters)
    if (letter.code == c) return letter.vowel;
  return false;
}

// Every word holds a vowel, begins with at most a consonant followed by r, l
// or h, and has no run of three vowels.
bool Pronounceable(std::string_view word) {
  bool hasVowel = false;
  int vowelRun = 0;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    const bool vowel = IsVowel(c);
    hasVowel = hasVowel || vowel;
    vowelRun = vowel ? vowelRun + 1 : 0;
    if (vowelRun >= 3) return false;
    if (i == 1 && !vowel && !IsVowel(static_cast<unsigned char>(word[0])) && c != 'r' &&
        c != 'l' && c != 'h')
      return false;
  }
  return hasVowel;
}

class WordModel {
 public:
  WordModel() {
    std::vector<double> first, lengths;
    for (const Letter& letter : kLetters) first.push_back(letter.first);
    first_.Reset(first);
    // Lengths 2..18.
    lengths = {3, 5, 7, 9, 11, 12, 12, 11, 9, 7, 5, 3.5, 2.5, 1.5, 1.0, 0.6, 0.4};
    length_.Reset(lengths);
    for (int accentedSoFar = 0; accentedSoFar < 2; ++accentedSoFar) {
      for (int previous = 0; previous < kLetterCount; ++previous) {
        std::vector<double> inner(kLetterCount), final(kLetterCount);
        for (int next = 0; next < kLetterCount; ++next) {
          const Letter& letter = kLetters[next];
          double weight = Compatibility(kLetters[previous], letter);
          if (accentedSoFar && letter.accented && letter.code != 0xE7) weight = 0;
          inner[next] = weight * letter.frequency;
          final[next] = weight * letter.last;
        }
        inner_[accentedSoFar][previous].Reset(inner);
        final_[accentedSoFar][previous].Reset(final);
      }
    }
  }

  std::string Draw(Random& random) const {
    for (;;) {
      const int length = 2 + static_cast<int>(length_.Draw(random));
      std::string word;
      int letter = static_cast<int>(first_.Draw(random));
      bool accented = kLetters[letter].accented && kLetters[letter].code != 0xE7;
      word.push_back(static_cast<char>(kLetters[letter].code));
      bool failed = false;
      while (static_cast<int>(word.size()) < length) {
        const bool last = static_cast<int>(word.size()) == length - 1;
        const WeightedChoice& choice = last ? final_[accented][letter] : inner_[accented][letter];
        if (choice.Empty()) {
          failed = true;
          break;
        }
        letter = static_cast<int>(choice.Draw(random));
        accented = accented || (kLetters[letter].accented && kLetters[letter].code != 0xE7);
        word.push_back(static_cast<char>(kLetters[letter].code));
      }
      if (!failed && Pronounceable(word)) return word;
    }
  }

 private:
  WeightedChoice first_, length_;
  WeightedChoice inner_[2][kLetterCount];
  WeightedChoice final_[2][kLetterCount];
};

constexpr std::string_view kClasses[] = {
    "nome",       "verbo",      "adjectivo", "adverbio",    "nome_proprio",
    "preposicao", "artigo",     "pronome",   "conjuncao",   "numeral",
    "interjeicao", "contraccao", "determinante", "participio", "abreviatura"};
constexpr double kClassWeights[] = {32, 22, 16, 5, 9, 1.5, 0.5, 2, 1, 2, 1, 0.5, 1, 5, 1.5};

// ---- Output ----

class Output {
 public:
  explicit Output(std::string path) : path_(std::move(path)) { buffer_.reserve(1 << 22); }
  void Text(std::string_view text) {
    // A space inside a word or sentence is written as "|".
    for (char c : text) buffer_.push_back(c == ' ' ? '|' : c);
  }
  void Raw(std::string_view text) { buffer_.append(text); }
  void Number(int64_t value) { buffer_.append(std::to_string(value)); }
  bool Close() {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(buffer_.data(), 1, buffer_.size(), file) == buffer_.size();
    return std::fclose(file) == 0 && ok;
  }

 private:
  std::string path_;
  std::string buffer_;
};

// Draws `count` distinct indices in [0, n) from `choice` (mixed with a
// uniform share so that large counts finish quickly), returned ascending.
std::vector<int32_t> DrawDistinct(Random& random, const WeightedChoice& choice,
                                  const std::vector<int32_t>& rankToIndex, int32_t count,
                                  int32_t exclude) {
  std::vector<int32_t> picked;
  picked.reserve(count + count / 4 + 8);
  const uint32_t n = static_cast<uint32_t>(rankToIndex.size());
  while (static_cast<int32_t>(picked.size()) < count) {
    const int32_t missing = count - static_cast<int32_t>(picked.size());
    for (int32_t i = 0; i < missing + missing / 4 + 1; ++i) {
      const uint32_t rank = random.Real() < 0.8 ? choice.Draw(random) : random.Below(n);
      if (rankToIndex[rank] != exclude) picked.push_back(rankToIndex[rank]);
    }
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
  }
  // Drop a random surplus, keeping the order.
  while (static_cast<int32_t>(picked.size()) > count)
    picked.erase(picked.begin() + random.Below(static_cast<uint32_t>(picked.size())));
  return picked;
}

// Successor counts for first items in rank order: min(cap, A / r^0.8) with A
// the smallest that makes them add up to `total`; the last one is trimmed
// and the tail gets none.
std::vector<int32_t> SuccessorCounts(std::size_t items, int64_t total, int32_t reserved) {
  auto counts = [&](double a) {
    std::vector<int32_t> result(items, 0);
    int64_t sum = reserved;
    for (std::size_t r = 0; r < items && sum < total; ++r) {
      int64_t c = std::min<int64_t>(kMaxSuccessors,
                                    static_cast<int64_t>(a / std::pow(r + 1.0, 0.8)));
      c = std::min<int64_t>(c, total - sum);
      result[r] = static_cast<int32_t>(c);
      sum += c;
    }
    return std::make_pair(result, sum);
  };
  double low = 1, high = 1e7;
  for (int i = 0; i < 40; ++i) {
    const double mid = (low + high) / 2;
    if (counts(mid).second >= total) high = mid;
    else low = mid;
  }
  return counts(high).first;
}

bool Sorted(const std::vector<std::string>& table) {
  for (std::size_t i = 1; i < table.size(); ++i)
    if (!(table[i - 1] < table[i])) return false;
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: predarin-bench-generate --out DIR [--seed N]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out;
  uint64_t seed = 20240611;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) out = argv[++i];
    else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
      seed = std::strtoull(argv[++i], nullptr, 10);
    else return Usage();
  }
  if (out.empty()) return Usage();
  std::filesystem::create_directories(out);
  if (out.back() != '/') out.push_back('/');

  Random random(seed);
  const WordModel model;

  // ---- Words ----
  std::unordered_set<std::string> seen;
  seen.reserve(kWords * 2);
  std::vector<std::string> plain;  // ordinary words, in drawing order
  seen.insert("___");
  while (static_cast<int>(plain.size()) < kWords - 1 - kPictograms - kMultiWordPictograms) {
    std::string word = model.Draw(random);
    if (seen.insert(word).second) plain.push_back(std::move(word));
  }
  // Rank: shorter words tend to be more frequent.
  std::vector<double> key(plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i)
    key[i] = static_cast<double>(plain[i].size()) +
             5.0 * (random.Real() + random.Real() + random.Real() - 1.5);
  std::vector<int32_t> byRank(plain.size());
  for (std::size_t i = 0; i < byRank.size(); ++i) byRank[i] = static_cast<int32_t>(i);
  std::stable_sort(byRank.begin(), byRank.end(),
                   [&](int32_t a, int32_t b) { return key[a] < key[b]; });

  struct WordEntry {
    std::string text;
    int64_t frequency = 0;
    int form = 0;  // 0: word frequency class, 1: word frequency, 2: word alone
    int wordClass = 0;
  };
  std::vector<WordEntry> entries;
  entries.reserve(kWords);
  const WeightedChoice classChoice(std::vector<double>(std::begin(kClassWeights),
                                                       std::end(kClassWeights)));
  std::vector<int64_t> plainFrequency(plain.size());
  for (std::size_t r = 0; r < byRank.size(); ++r)
    plainFrequency[byRank[r]] = 1 + static_cast<int64_t>(5e7 / std::pow(r + 1.0, 1.25));
  for (std::size_t i = 0; i < plain.size(); ++i) {
    WordEntry entry;
    entry.text = plain[i];
    entry.frequency = plainFrequency[i];
    const double u = random.Real();
    entry.form = u < 0.005 ? 2 : u < 0.035 ? 1 : 0;
    entry.wordClass = static_cast<int>(classChoice.Draw(random));
    entries.push_back(std::move(entry));
  }
  // Pictograms named after frequent words, a few with two words.
  for (int i = 0, r = 0; i < kPictograms; ++r) {
    const std::string& name = plain[byRank[r * 3]];
    if (name.size() > 12) continue;
    entries.push_back({"[" + name + "]", plainFrequency[byRank[r * 3]] / 50 + 1, 0, 0});
    ++i;
  }
  for (int i = 0; i < kMultiWordPictograms; ++i) {
    const std::string text =
        "[" + plain[byRank[i * 7 + 1]] + " " + plain[byRank[i * 11 + 2]] + "]";
    if (seen.insert(text).second) entries.push_back({text, 100 + i, 0, 0});
  }
  entries.push_back({"___", 3000000, 1, 0});
  while (static_cast<int>(entries.size()) < kWords) {
    std::string word = model.Draw(random);
    if (seen.insert(word).second) entries.push_back({word, 1, 0, 0});
  }
  std::sort(entries.begin(), entries.end(),
            [](const WordEntry& a, const WordEntry& b) { return a.text < b.text; });

  int64_t wordTotal = 0;
  {
    Output file(out + "geral.pal");
    for (const WordEntry& entry : entries) {
      file.Text(entry.text);
      if (entry.form == 2) {
        wordTotal += 1;
      } else {
        file.Raw(" ");
        file.Number(entry.frequency);
        wordTotal += entry.frequency;
        if (entry.form == 0) {
          file.Raw(" ");
          file.Raw(kClasses[entry.wordClass]);
        }
      }
      file.Raw("\n");
    }
    if (!file.Close()) return std::perror("geral.pal"), 1;
  }

  // Indices into the sorted table, by descending frequency (pictograms and
  // "___" excluded): the order in which first and second words are drawn.
  std::vector<int32_t> rankToIndex;
  int32_t startIndex = -1;
  for (int32_t i = 0; i < kWords; ++i) {
    const std::string& text = entries[i].text;
    if (text == "___") startIndex = i;
    else if (text[0] != '[') rankToIndex.push_back(i);
  }
  std::stable_sort(rankToIndex.begin(), rankToIndex.end(), [&](int32_t a, int32_t b) {
    return entries[a].frequency > entries[b].frequency;
  });
  std::vector<double> zipf(rankToIndex.size());
  for (std::size_t r = 0; r < zipf.size(); ++r) zipf[r] = 1.0 / std::pow(r + 1.0, 1.1);
  const WeightedChoice byFrequency(zipf);

  // ---- Word pairs ----
  int64_t pairTotal = 0;
  {
    const std::vector<int32_t> counts =
        SuccessorCounts(rankToIndex.size(), kWordPairs, kStartWordSuccessors);
    std::vector<int32_t> countOfIndex(kWords, 0);
    for (std::size_t r = 0; r < counts.size(); ++r) countOfIndex[rankToIndex[r]] = counts[r];
    countOfIndex[startIndex] = kStartWordSuccessors;
    Output file(out + "geral.par");
    int64_t written = 0;
    for (int32_t first = 0; first < kWords; ++first) {
      if (countOfIndex[first] == 0) continue;
      const std::vector<int32_t> seconds =
          DrawDistinct(random, byFrequency, rankToIndex, countOfIndex[first], first);
      const double strength = std::sqrt(static_cast<double>(entries[first].frequency));
      for (int32_t second : seconds) {
        const double s = std::sqrt(static_cast<double>(entries[second].frequency));
        const int64_t frequency = 1 + static_cast<int64_t>(strength * s / 4000.0 * random.Real());
        file.Text(entries[first].text);
        file.Raw(" ");
        file.Text(entries[second].text);
        file.Raw(" ");
        file.Number(frequency);
        file.Raw("\n");
        pairTotal += frequency;
        ++written;
      }
    }
    if (written != kWordPairs) {
      std::fprintf(stderr, "internal error: %lld word pairs\n", static_cast<long long>(written));
      return 1;
    }
    if (!file.Close()) return std::perror("geral.par"), 1;
  }

  // ---- Classes ----
  {
    Output classes(out + "geral.cg");
    Output classPairs(out + "geral.pcg");
    for (std::size_t i = 0; i < std::size(kClasses); ++i) {
      classes.Raw(kClasses[i]);
      classes.Raw(" ");
      classes.Number(static_cast<int64_t>(kClassWeights[i] * 10000));
      classes.Raw("\n");
      for (std::size_t j = 0; j < std::size(kClasses); ++j) {
        classPairs.Raw(kClasses[i]);
        classPairs.Raw(" ");
        classPairs.Raw(kClasses[j]);
        classPairs.Raw(" ");
        classPairs.Number(1 + static_cast<int64_t>(kClassWeights[i] * kClassWeights[j] * 100 *
                                                   (0.5 + random.Real())));
        classPairs.Raw("\n");
      }
    }
    if (!classes.Close() || !classPairs.Close()) return std::perror("geral.cg"), 1;
  }

  // ---- Sentences ----
  // Most begin with one of the 2000 most frequent words; about 1% are rows
  // of pictograms.
  std::vector<int32_t> pictogramIndices;
  for (int32_t i = 0; i < kWords; ++i)
    if (entries[i].text[0] == '[') pictogramIndices.push_back(i);
  const WeightedChoice sentenceLength(
      std::vector<double>{4, 8, 11, 12, 11, 9, 7, 5, 4, 3, 2});  // 2..12 words
  const WeightedChoice starter(std::vector<double>(zipf.begin(), zipf.begin() + 2000));
  std::vector<std::string> sentences;
  sentences.reserve(kSentences);
  {
    std::unordered_set<std::string> seenSentences;
    seenSentences.reserve(kSentences * 2);
    seenSentences.insert("___");
    sentences.push_back("___");
    while (static_cast<int>(sentences.size()) < kSentences) {
      const int words = 2 + static_cast<int>(sentenceLength.Draw(random));
      const bool pictograms = random.Real() < 0.01;
      std::string sentence;
      for (int w = 0; w < words; ++w) {
        if (w > 0) sentence.push_back(' ');
        int32_t index;
        if (pictograms)
          index = pictogramIndices[random.Below(static_cast<uint32_t>(pictogramIndices.size()))];
        else if (w == 0 && random.Real() < 0.8)
          index = rankToIndex[starter.Draw(random)];
        else
          index = rankToIndex[byFrequency.Draw(random)];
        sentence += entries[index].text;
      }
      if (seenSentences.insert(sentence).second) sentences.push_back(std::move(sentence));
    }
  }
  std::sort(sentences.begin(), sentences.end());
  std::vector<int64_t> sentenceFrequency(kSentences);
  std::vector<int32_t> sentenceByRank(kSentences);
  for (int32_t i = 0; i < kSentences; ++i) sentenceByRank[i] = i;
  for (int32_t i = kSentences - 1; i > 0; --i)
    std::swap(sentenceByRank[i], sentenceByRank[random.Below(static_cast<uint32_t>(i + 1))]);
  const int32_t startSentence = static_cast<int32_t>(
      std::lower_bound(sentences.begin(), sentences.end(), std::string("___")) -
      sentences.begin());
  std::erase(sentenceByRank, startSentence);
  for (std::size_t r = 0; r < sentenceByRank.size(); ++r)
    sentenceFrequency[sentenceByRank[r]] = 1 + static_cast<int64_t>(2e5 / (r + 1.0));
  sentenceFrequency[startSentence] = 100000;
  int64_t sentenceTotal = 0;
  {
    Output file(out + "geral.frs");
    for (int32_t i = 0; i < kSentences; ++i) {
      file.Text(sentences[i]);
      file.Raw(" ");
      file.Number(sentenceFrequency[i]);
      file.Raw("\n");
      sentenceTotal += sentenceFrequency[i];
    }
    if (!file.Close()) return std::perror("geral.frs"), 1;
  }

  // ---- Sentence pairs ----
  int64_t sentencePairTotal = 0;
  {
    std::vector<double> sentenceZipf(sentenceByRank.size());
    for (std::size_t r = 0; r < sentenceZipf.size(); ++r)
      sentenceZipf[r] = 1.0 / std::pow(r + 1.0, 1.0);
    const WeightedChoice bySentenceFrequency(sentenceZipf);
    const std::vector<int32_t> counts = SuccessorCounts(
        sentenceByRank.size(), kSentencePairs, kStartSentenceSuccessors);
    std::vector<int32_t> countOfIndex(kSentences, 0);
    for (std::size_t r = 0; r < counts.size(); ++r) countOfIndex[sentenceByRank[r]] = counts[r];
    countOfIndex[startSentence] = kStartSentenceSuccessors;
    Output file(out + "geral.paf");
    int64_t written = 0;
    for (int32_t first = 0; first < kSentences; ++first) {
      if (countOfIndex[first] == 0) continue;
      const std::vector<int32_t> seconds = DrawDistinct(
          random, bySentenceFrequency, sentenceByRank, countOfIndex[first], first);
      for (int32_t second : seconds) {
        const double u = random.Real();
        const int64_t frequency = 1 + static_cast<int64_t>(40 * u * u * u);
        file.Text(sentences[first]);
        file.Raw(" ");
        file.Text(sentences[second]);
        file.Raw(" ");
        file.Number(frequency);
        file.Raw("\n");
        sentencePairTotal += frequency;
        ++written;
      }
    }
    if (written != kSentencePairs) {
      std::fprintf(stderr, "internal error: %lld sentence pairs\n",
                   static_cast<long long>(written));
      return 1;
    }
    if (!file.Close()) return std::perror("geral.paf"), 1;
  }

  std::vector<std::string> words;
  words.reserve(entries.size());
  for (const WordEntry& entry : entries) words.push_back(entry.text);
  constexpr int64_t kLimit = INT32_MAX;
  if (!Sorted(words) || !Sorted(sentences) || wordTotal >= kLimit || pairTotal >= kLimit ||
      sentenceTotal >= kLimit || sentencePairTotal >= kLimit) {
    std::fprintf(stderr, "internal error: unsorted table or a total beyond 32 bits\n");
    return 1;
  }
  std::printf("words %d (total %lld), word pairs %d (total %lld), sentences %d (total %lld), "
              "sentence pairs %d (total %lld) in %s\n",
              kWords, static_cast<long long>(wordTotal), kWordPairs,
              static_cast<long long>(pairTotal), kSentences,
              static_cast<long long>(sentenceTotal), kSentencePairs,
              static_cast<long long>(sentencePairTotal), out.c_str());
  return 0;
}
