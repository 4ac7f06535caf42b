#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vorlix {

// What one search runs with: the window's fields at the moment Search is pressed. The pattern is
// as typed; the engine normalises it. Mode and scope take the words of search_query.h.
struct SearchParameters {
    std::string pattern;
    std::string mode;
    std::string scope;
    std::string discNumber;  // file search only: files on the disc with exactly this number
    std::string artist;
    std::string folder;
    std::string combinator;  // disc search by category: "And" or "OR"
    std::vector<std::string> categories;
    bool maySeeAll = false;

    bool operator==(const SearchParameters&) const = default;
};

// A file found: the four texts a result row shows, made when the file was found, so that a row
// stays readable when its disc changes or goes afterwards.
struct FileResult {
    std::string type;  // after the last ".", upper-cased; empty without a "."
    std::string sizeText;
    std::string discNumber;
    std::string name;  // without the last "." and what follows

    bool operator==(const FileResult&) const = default;
};

// A disc found, copied when it was found.
struct DiscResult {
    std::string number;
    std::string name;
    std::string location;
    bool shared = false;

    bool operator==(const DiscResult&) const = default;
};

// Where a search reports. Calls come from the search's worker thread, one at a time; each batch
// holds results in the order they were found (the window puts each new one at the top).
class SearchReceiver {
public:
    virtual ~SearchReceiver() = default;
    virtual void discsFound(std::vector<DiscResult> batch) = 0;
    virtual void filesFound(std::vector<FileResult> batch) = 0;
    // The search went through every disc. Never called for a stopped search.
    virtual void searchDone() = 0;
};

// A running search. Destroying it stops it.
class SearchRun {
public:
    virtual ~SearchRun() = default;
    // Ends the search early; once it returns the receiver hears nothing more from this search.
    virtual void stop() = 0;
    // True once the worker has ended, by itself or by stop().
    virtual bool finished() const = 0;
};

// Starts searches over the open catalogue.
class SearchService {
public:
    virtual ~SearchService() = default;
    // The receiver must outlive the returned run.
    virtual std::unique_ptr<SearchRun> start(const SearchParameters& parameters,
                                             SearchReceiver& receiver) = 0;
};

}  // namespace vorlix
