#include "core/disc_list_check.h"

#include <atomic>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

#include "core/archive_format.h"
#include "core/catalog_format.h"
#include "core/disc_reader.h"

namespace vorlix {

namespace {

// A second reader pays for its start only when what is left of the list holds many runs.
constexpr std::uint64_t kRunsWorthASecondReader = 8;
// How far past the middle the second reader looks for a disc, and how many discs in a row it
// must go over before it tells where it started.
constexpr std::size_t kSearchBytes = std::size_t{1} << 20;
constexpr std::uint32_t kProbeDiscs = 2;

std::uint16_t wordAt(std::string_view bytes) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) |
                                      (static_cast<unsigned char>(bytes[1]) << 8));
}

// What the second reader found. `start` and `decided` are written while it works; the rest is
// read only after it has ended.
struct SecondHalf {
    std::atomic<std::uint64_t> start{0};  // where it started once past its probe; 0 before
    std::atomic<bool> decided{false};     // it has a start, or has given up looking for one
    bool whole = false;  // it went to what looked like the list's end without a failure
    std::uint32_t discs = 0;
    std::vector<DiscListPlace> places;  // discs counted from its start
};

class SecondReader {
public:
    // `discWord` introduces each disc after the first in this archive.
    SecondReader(const SourceFrom& from, const CodePage& codePage, ArchivePlace assumed,
                 std::uint16_t discWord, std::uint64_t spacing)
        : m_from(from),
          m_codePage(codePage),
          m_assumed(std::move(assumed)),
          m_discWord(discWord),
          m_spacing(spacing) {}

    // Looks for a disc from `searchFrom` on and goes over the list from the first that passes
    // the probe. Whatever happens, it ends decided; a failure only means its work is not
    // taken, and the first reader meets the failure again in its place.
    void run(std::stop_token stop, std::uint64_t searchFrom, SecondHalf& half) const {
        try {
            search(stop, searchFrom, half);
        } catch (...) {
            half.whole = false;
        }
        decide(half);
    }

private:
    static void decide(SecondHalf& half) {
        half.decided.store(true);
        half.decided.notify_all();
    }

    void search(std::stop_token stop, std::uint64_t searchFrom, SecondHalf& half) const {
        const std::unique_ptr<ByteSource> window = m_from(searchFrom);
        std::string bytes(kSearchBytes, '\0');
        bytes.resize(window->read(bytes.data(), bytes.size()));
        for (std::size_t at = 0; at + 2 <= bytes.size() && !stop.stop_requested(); ++at) {
            if (wordAt(std::string_view(bytes).substr(at)) == m_discWord &&
                goOver(stop, searchFrom + at, half)) {
                return;
            }
        }
    }

    // Goes over discs from `start` until the list seems to end. Returns false when the start
    // was no disc: it failed before passing the probe.
    bool goOver(std::stop_token stop, std::uint64_t start, SecondHalf& half) const {
        ArchivePlace place = m_assumed;
        place.offset = start;
        const std::unique_ptr<ByteSource> source = m_from(start);
        ArchiveReader reader(*source, m_codePage, catalogueClasses(), place);
        DiscReader discs(reader);
        std::vector<DiscListPlace> places{{0, reader.place()}};
        std::uint32_t count = 0;
        try {
            while (!stop.stop_requested()) {
                discs.skip();
                ++count;
                if (count == kProbeDiscs) {
                    half.start.store(start);
                    decide(half);
                }
                const std::string_view next = reader.buffered(2);
                if (next.size() < 2 || wordAt(next) != m_discWord) {
                    break;
                }
                if (reader.offset() - places.back().archive.offset >= m_spacing) {
                    places.push_back({count, reader.place()});
                }
            }
        } catch (const ArchiveError&) {
            return count >= kProbeDiscs;
        }
        if (stop.stop_requested() || count < kProbeDiscs) {
            return true;
        }
        places.push_back({count, reader.place()});
        half.whole = places.back().archive.classes == m_assumed.classes;
        half.discs = count;
        half.places = std::move(places);
        return true;
    }

    const SourceFrom& m_from;
    const CodePage& m_codePage;
    ArchivePlace m_assumed;
    std::uint16_t m_discWord;
    std::uint64_t m_spacing;
};

// Takes the second reader's places after the first has arrived where it started, when
// everything it assumed holds; returns whether it did.
bool adopt(const SecondHalf& half, const ArchivePlace& arrived, const ArchivePlace& assumed,
           std::uint32_t discsBefore, std::uint32_t discCount, std::vector<DiscListPlace>& places) {
    if (!half.whole || discsBefore + half.discs != discCount ||
        arrived.classes != assumed.classes || arrived.storedSchemas != assumed.storedSchemas) {
        return false;
    }
    // The second reader counted objects from the count it assumed.
    const std::uint32_t shift = arrived.nextIndex - assumed.nextIndex;
    if (half.places.back().archive.nextIndex > archive::kMaxMapCount - shift) {
        return false;
    }
    for (DiscListPlace place : half.places) {
        if (place.archive.offset == places.back().archive.offset) {
            continue;
        }
        place.disc += discsBefore;
        place.archive.nextIndex += shift;
        places.push_back(std::move(place));
    }
    return true;
}

}  // namespace

DiscListCheck checkDiscList(ArchiveReader& reader, std::uint32_t discCount,
                            const CodePage& codePage, std::uint64_t spacing, std::uint64_t fileSize,
                            const SourceFrom& from) {
    DiscReader discReader(reader);
    DiscListCheck check{{{0, reader.place()}}, true};
    std::vector<DiscListPlace>& places = check.places;

    SecondHalf half;
    std::optional<SecondReader> second;
    ArchivePlace assumed;
    std::uint64_t middle = 0;
    std::jthread helper;
    for (std::uint32_t i = 0; i < discCount; ++i) {
        discReader.skip();
        const bool last = i + 1 == discCount;
        if (last || reader.offset() - places.back().archive.offset >= spacing) {
            places.push_back({i + 1, reader.place()});
        }
        if (last) {
            break;
        }
        // Once the classes of discs and entries are described, the rest of a long list may be
        // gone over by a second reader.
        if (!second && from && (fileSize - reader.offset()) / kRunsWorthASecondReader >= spacing &&
            reader.knownClassWord(persistent_class::kFileData) != 0) {
            assumed = reader.place();
            second.emplace(from, codePage, assumed, reader.knownClassWord(persistent_class::kDisc),
                           spacing);
            middle = reader.offset() + (fileSize - reader.offset()) / 2;
            try {
                helper = std::jthread([&second, &half, middle](std::stop_token stop) {
                    second->run(stop, middle, half);
                });
            } catch (const std::system_error&) {
                // Without a thread for it, the first reader goes over the list alone.
            }
        }
        // The second reader starts at the middle or after it: from there on, the first one
        // must know where, so as not to pass it unawares.
        if (helper.joinable() && reader.offset() >= middle) {
            half.decided.wait(false);
            const std::uint64_t start = half.start.load();
            if (start == 0 || reader.offset() > start) {
                helper.request_stop();
                helper.join();
            } else if (reader.offset() == start) {
                helper.join();
                if (adopt(half, reader.place(), assumed, i + 1, discCount, places)) {
                    check.readerAtEnd = false;
                    return check;
                }
            }
        }
    }
    return check;
}

}  // namespace vorlix
