// The demo site's fictional catalogue: deterministic films and series with
// Chinese titles, people and synopses (code page 936 text).
#pragma once

#include <string>
#include <vector>

namespace pelizo::demo {

struct Platform {
    std::string key;  // host label: <key>.localhost
    std::string name; // display name
    bool queryOnLinks; // episode links carry "?from=..."
};

struct Title {
    int id = 0;          // films 1001.., series 2001..
    bool series = false;
    std::string name;
    int typeIndex = 0;   // 1..23 in the category's type table
    int year = 0;
    std::string region;
    std::string director;
    std::vector<std::string> cast;
    std::string score;
    std::string synopsis;
    int minutes = 0;     // films
    int episodes = 0;    // series: 1..80
    bool finished = true; // series: all episodes out
    std::vector<int> platforms; // indexes into platforms()
};

const std::vector<Platform>& platforms();
const std::vector<Title>& films();
const std::vector<Title>& series();
const Title* findTitle(int id);

// The listing's year code for a year, or empty when no filter item covers it.
std::string yearCode(bool series, int year);

// Titles of a category matching a type code and a year code (empty: any).
// False when a code is unknown.
bool filterTitles(bool series, const std::string& typeCode, const std::string& yearCodeWanted,
                  std::vector<const Title*>& out);

} // namespace pelizo::demo
