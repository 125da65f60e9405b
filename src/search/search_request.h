#pragma once

#include <string>

namespace quilsk {

class CSettingsStore;

enum class MatchMode { Substring = 0, WholeWord = 1, Prefix = 2, Suffix = 3 };
// None: the dialogs never store it; with a second keyword no line is a hit.
enum class Combination { Or, And, Not, None };
enum class SearchMode { Normal = 0, Quick = 1, SuperQuick = 2 };

// The settings of one search, read afresh from the settings file when it starts.
struct SearchRequest {
    std::string keyword1;
    std::string keyword2;
    bool keyword1IsWord = true;
    bool keyword2IsWord = true;
    bool keyword1IsGroup = false;
    bool keyword2IsGroup = false;

    bool andSearch = true;
    bool notSearch = false;
    bool orSearch = false;

    bool keyword1WholeWord = false;
    bool keyword1Prefix = false;
    bool keyword1Suffix = false;
    bool keyword2WholeWord = false;
    bool keyword2Prefix = false;
    bool keyword2Suffix = false;
    bool ignoreCase = false;

    bool headwordOnly = false;
    bool skipExamples = false;
    bool tagForm = false;
    int hitsPerRefresh = 20;  // never below 1: it is a divisor
    bool sortResults = false;
    bool checkDuplicates = false;

    int searchModeSetting = 0;
    bool useIndex = false;
    std::string indexDir;
    std::string column = "70";

    // Derived once per search.
    MatchMode mode1 = MatchMode::Substring;
    MatchMode mode2 = MatchMode::Substring;
    Combination combination = Combination::And;
    SearchMode searchMode = SearchMode::Normal;
};

MatchMode DeriveMatchMode(bool wholeWord, bool prefix, bool suffix);
Combination DeriveCombination(bool andSearch, bool notSearch, bool orSearch);
// Modes other than 0, 1 and 2 count as Normal.
SearchMode DeriveSearchMode(int setting);

SearchRequest ReadSearchRequest(const CSettingsStore& store);

}  // namespace quilsk
