#include "core/disc_list_writer.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/archive_writer.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "core/disc.h"
#include "core/ordered_batches.h"

namespace vorlix {

namespace {

// A disc takes its entry count + 2 slots in a part: its start, its entries, its texts.
struct Slot {
    std::size_t disc = 0;
    std::size_t slot = 0;
};

// About 200 KB of usual entries: a part fits the writer's buffer, and parts are large enough
// that handing the turn from one thread to the next costs little next to making them.
constexpr std::size_t kPartSlots = 4096;

std::size_t slotCount(const CQXDisc& disc) {
    return disc.files.size() + 2;
}

void writeFileEntry(ArchiveWriter& writer, CQXFileData& entry) {
    const auto [name, folder, size, drive, discNumber] = entry.fields();
    writeFileEntry(writer, name, folder, size, drive, entry.categories());
    if (discNumber != "0") {
        entry.setDiscNumber("0");
    }
}

// The slots [from, to) of the disc.
void writeSlots(ArchiveWriter& writer, CQXDisc& disc, std::size_t from, std::size_t to) {
    const std::size_t entries = disc.files.size();
    if (from == 0) {
        writer.beginObject(persistent_class::kDisc);
        writer.writeCount(static_cast<std::uint32_t>(entries));
    }
    const std::size_t first = std::max<std::size_t>(from, 1) - 1;
    const std::size_t last = std::min(to, entries + 1) - 1;
    if (first < last) {
        auto entry = disc.files.at(first);
        for (std::size_t i = first; i < last; ++i, ++entry) {
            writeFileEntry(writer, *entry);
        }
    }
    if (to == entries + 2) {
        writeDiscTexts(writer, disc);
    }
}

void writeRange(ArchiveWriter& writer, std::span<CQXDisc* const> discs, Slot from, Slot to) {
    for (std::size_t d = from.disc;
         d < discs.size() && (d < to.disc || (d == to.disc && to.slot > 0)); ++d) {
        CQXDisc& disc = *discs[d];
        writeSlots(writer, disc, d == from.disc ? from.slot : 0,
                   d == to.disc ? to.slot : slotCount(disc));
    }
}

// Where each part begins, from `from` on; the last part ends at the end of the list.
std::vector<Slot> partStarts(std::span<CQXDisc* const> discs, Slot from) {
    std::vector<Slot> starts{from};
    std::size_t filled = 0;
    for (std::size_t d = from.disc; d < discs.size(); ++d) {
        const std::size_t slots = slotCount(*discs[d]);
        std::size_t slot = d == from.disc ? from.slot : 0;
        while (slots - slot > kPartSlots - filled) {
            slot += kPartSlots - filled;
            starts.push_back({d, slot});
            filled = 0;
        }
        filled += slots - slot;
    }
    return starts;
}

// Objects begun from `from` on: each disc and each of its entries.
std::uint64_t objectsFrom(std::span<CQXDisc* const> discs, Slot from) {
    std::uint64_t count = 0;
    for (std::size_t d = from.disc; d < discs.size(); ++d) {
        const std::size_t slot = d == from.disc ? from.slot : 0;
        count +=
            (slot == 0 ? 1 : 0) + discs[d]->files.size() - (std::max<std::size_t>(slot, 1) - 1);
    }
    return count;
}

// Keeps what a part's writer hands over before the part's turn has come, which is only what
// does not fit the writer's own buffer; in its turn, the part goes to the list's writer.
class HeldSink final : public ByteSink {
public:
    void write(const char* data, std::size_t n) override {
        if (m_turn) {
            m_turn->writePart({data, n});
        } else {
            m_held.append(data, n);
        }
    }
    // Hands the part over: what was held, then what its writer still buffers.
    void handOver(ArchiveWriter& partWriter, ArchiveWriter& listWriter) {
        listWriter.writePart(m_held);
        m_held.clear();
        m_turn = &listWriter;
        partWriter.flush();
        m_turn = nullptr;
    }

private:
    std::string m_held;
    ArchiveWriter* m_turn = nullptr;
};

struct PartWriter {
    explicit PartWriter(const ArchiveWriter& known) : writer(known, sink) {}
    HeldSink sink;
    ArchiveWriter writer;
};

}  // namespace

void writeDiscList(ArchiveWriter& writer, std::span<CQXDisc* const> discs, unsigned workers) {
    const Slot end{discs.size(), 0};
    if (workers <= 1) {
        writeRange(writer, discs, {0, 0}, end);
        return;
    }
    // The parts may describe no class: everything up to the first entry goes first, alone.
    Slot from{0, 0};
    while (from.disc < discs.size()) {
        if (!discs[from.disc]->files.empty()) {
            from.slot = 2;
            break;
        }
        ++from.disc;
    }
    writeRange(writer, discs, {0, 0}, from);
    if (from.disc == discs.size()) {
        return;
    }
    const std::vector<Slot> starts = partStarts(discs, from);
    std::vector<std::unique_ptr<PartWriter>> parts;
    while (parts.size() < std::min<std::size_t>(workers, starts.size())) {
        parts.push_back(std::make_unique<PartWriter>(writer));
    }
    runOrderedBatches(
        starts.size(), workers,
        [&](std::size_t part, unsigned worker) {
            writeRange(parts[worker]->writer, discs, starts[part],
                       part + 1 < starts.size() ? starts[part + 1] : end);
        },
        [&](unsigned worker) { parts[worker]->sink.handOver(parts[worker]->writer, writer); });
    writer.countObjects(objectsFrom(discs, from));
}

}  // namespace vorlix
