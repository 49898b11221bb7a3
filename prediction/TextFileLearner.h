// Learning a user's vocabulary in bulk from a text: its words, the pairs of
// neighbouring words on each line, its sentences and the pairs of
// consecutive sentences, added to the user side of the dictionary whatever
// the user-adaptation option says.
//
// Texts are Windows-1252 here; LearnFromTextFile converts a UTF-8 file
// first. Words are split at the separators and lower-cased; sentences end
// after a run of . ? ! and are normalised by the dictionary. Learning changes
// only the dictionary in memory.
#pragma once

#include <string>
#include <string_view>

#include "prediction/Dictionary.h"

namespace vorelio {

// Adds 1 to the user frequency of every word of the text.
void LearnWordsFromText(CDictionary& dictionary, std::string_view text);
// Adds 1 to every pair of neighbouring words on one line; pairs never run
// across a line end. Pairs whose words are not in the table are dropped by
// the dictionary, so the words are learned first.
void LearnWordPairsFromText(CDictionary& dictionary, std::string_view text);
// Adds 1 to every sentence that is not empty once normalised.
void LearnSentencesFromText(CDictionary& dictionary, std::string_view text);
// Adds 1 to the pair of every sentence with the one before it; the first
// sentence is not paired with "___".
void LearnSentencePairsFromText(CDictionary& dictionary, std::string_view text);

// The four learners in the order words, word pairs, sentences, sentence
// pairs.
void LearnFromText(CDictionary& dictionary, std::string_view text);
// Reads the whole file through the dictionary's file system, converts it from UTF-8 when it is UTF-8, and learns
// from it. False, and nothing learned, when the file cannot be read.
bool LearnFromTextFile(CDictionary& dictionary, const std::string& path);

}  // namespace vorelio
