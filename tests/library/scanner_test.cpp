#include "library/scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "library/last_choice.h"
#include "library/split_sort.h"

namespace wrennet {
namespace {

using Entries = std::vector<std::string>;

// The order the combo promises, written the plain way: letters folded to lower
// case, bytes compared unsigned, a text before any longer text it begins.
bool ReferenceLess(const std::string& a, const std::string& b) {
    const auto fold = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return fold(x) < fold(y); });
}

// Random texts over bytes that fold alike or sit next to the letters, often
// sharing long prefixes so that ties reach past the sort keys, and repeating
// earlier ones, alone or in runs as a copied header does: often (so that
// equal texts are sorted as classes), or rarely in the list of 20,000 (so
// that the list gives up on finding repeats).
TEST(SortEntries, AgreesWithPlainStableSort) {
    const std::string alphabet = std::string("aAbBzZ_@[`{ 0\x7f\x80\xe9", 16) + '\0';
    const std::string prefixes[] = {"", "int PortRead", "unsigned char GpioStatusWord_",
                                    "UNSIGNED CHAR gpiostatusword_"};
    std::mt19937 random(20261206);
    for (const std::size_t count : {0, 1, 2, 17, 1000, 20000, 40000}) {
        Entries entries;
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 8 && random() % (count == 20000 ? 400 : 2) == 0 && random() % 2 == 0) {
                const std::size_t from = random() % (i - 8);
                for (std::size_t k = 0; k < 8 && i < count; ++k, ++i)
                    entries.push_back(entries[from + k]);
                --i;
                continue;
            }
            if (i > 0 && random() % (count == 20000 ? 400 : 2) == 0) {
                std::string again = entries[random() % i];  // sometimes in another case
                for (char& c : again) c ^= (random() % 4 == 0 && std::isalpha(c & 0xff)) << 5;
                entries.push_back(again);
                continue;
            }
            std::string text = prefixes[random() % 4];
            for (std::size_t k = random() % 40; k > 0; --k)
                text += alphabet[random() % alphabet.size()];
            entries.push_back(text);
        }
        Entries expected = entries;
        std::stable_sort(expected.begin(), expected.end(), ReferenceLess);
        // Also put together from thirds, as the halves of a large file are:
        // the first appended list's bytes are taken over, the next copied.
        EntryList list, split[2], thirds[2][3];
        for (std::size_t i = 0; i < count; ++i) {
            list.add(entries[i]);
            for (auto& parts : thirds)
                parts[3 * i / std::max<std::size_t>(count, 1)].add(entries[i]);
        }
        for (int k = 0; k < 2; ++k) {
            split[k] = std::move(thirds[k][0]);
            split[k].append(std::move(thirds[k][1]));
            split[k].append(std::move(thirds[k][2]));
            ASSERT_EQ(split[k].toStrings(), entries);
        }
        SortEntries(list);
        ASSERT_EQ(list.toStrings(), expected) << count << " entries";
        SortEntries(split[0]);
        ASSERT_EQ(split[0].toStrings(), expected) << count << " entries, from thirds";
        split[1].reorder(OrderInTwo(split[1]));  // on two threads, whatever the size
        ASSERT_EQ(split[1].toStrings(), expected) << count << " entries, on two threads";

        // The scanner's own path: entries packed while scanning an assembler file.
        PrototypeCollector collector(LibraryKind::Assembler);
        Entries listed;
        for (const std::string& entry : entries) {
            if (entry.size() < 3 || entry[0] == ' ' || entry.find('\0') != std::string::npos) {
                continue;  // not a text the marker line can carry whole
            }
            collector.feed("; C Function prototype:" + entry + ")\n");
            listed.push_back(entry + ")");
        }
        std::stable_sort(listed.begin(), listed.end(), ReferenceLess);
        ASSERT_EQ(collector.takeSorted().toStrings(), listed) << count << " entries";
    }
}

TEST(RestoreLastChoice, Table) {
    struct Row {
        std::string_view lastChoice;
        std::optional<std::size_t> selected;
        bool rewritten, noEntries = false;
    };
    const Row rows[] = {
        {.lastChoice = "int b(INT Y)", .selected = 1, .rewritten = false},
        {.lastChoice = "int d(int q)", .selected = 0, .rewritten = true},
        {.lastChoice = "", .selected = 0, .rewritten = true},
        {.lastChoice = "int a(int x)",
         .selected = std::nullopt,
         .rewritten = false,
         .noEntries = true},
    };
    for (const Row& row : rows) {
        EntryList entries;
        for (const char* entry : {"int a(int x)", "int B(int y)", "int c(int z)"}) {
            if (!row.noEntries) entries.add(entry);
        }
        const LastChoiceSelection selection = RestoreLastChoice(entries, row.lastChoice);
        EXPECT_EQ(std::pair(selection.index, selection.rewriteChoice),
                  std::pair(row.selected, row.rewritten))
            << row.lastChoice;
        // The same list in file order, the first in combo order last but for
        // an equal one in other letter case, which comes later still.
        EntryList fileOrder;
        for (const char* entry : {"int c(int z)", "int B(int y)", "int a(int x)", "INT A(INT X)"}) {
            if (!row.noEntries) fileOrder.add(entry);
        }
        const std::optional<std::string_view> expected =
            row.rewritten ? std::optional<std::string_view>("int a(int x)") : std::nullopt;
        EXPECT_EQ(ChoiceToRewrite(fileOrder, row.lastChoice), expected) << row.lastChoice;
        // Checked as the entries are found, in one part or two joined.
        for (std::size_t cut = 0; cut <= fileOrder.size(); ++cut) {
            ChoiceCheck check(row.lastChoice), later(row.lastChoice);
            for (std::size_t i = 0; i < fileOrder.size(); ++i) {
                (i < cut ? check : later).add(fileOrder[i]);
            }
            check.join(later);
            EXPECT_EQ(check.choiceToRewrite(), expected) << row.lastChoice << " cut " << cut;
            EXPECT_EQ(check.anyEntry(), !row.noEntries);
        }
    }
}

}  // namespace
}  // namespace wrennet
