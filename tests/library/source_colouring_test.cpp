#include "library/source_colouring.h"

#include <gtest/gtest.h>

#include <string>

namespace wrennet {
namespace {

// Each line written with one letter per unit of the line for its colour:
// . plain, c comment, t tag, v value list, k keyword, s string, n number,
// m marker.
std::string Picture(std::u16string_view line, const LineColours& colours) {
    constexpr char kLetters[] = ".ctvksnm";
    std::string picture(line.size(), '?');
    std::size_t expected = 0;
    for (const ColourSpan& span : colours.spans) {
        EXPECT_EQ(span.start, expected) << "spans leave a gap";
        picture.replace(span.start, span.length, span.length,
                        kLetters[static_cast<int>(span.colour)]);
        expected = span.start + span.length;
    }
    EXPECT_EQ(expected, line.size()) << "spans do not cover the line";
    return picture;
}

struct Case {
    std::u16string line;
    std::string picture;
    bool startsInComment = false;
    SourceSyntax syntax = SourceSyntax::C;
    bool endsInComment = false;
};

TEST(ColourLine, PiecesOfCAndAssembler) {
    const auto A = SourceSyntax::Assembler;
    const Case cases[] = {
        {u"int f(int a);", "kkk...kkk...."},
        {u"x = 0x1F + 12UL - 1.5;", "....nnnn...nnnn...nnn."},
        {u"s = \"a\\\"b\"; c = 'x';", "....ssssss......sss."},
        {u"a = b; // note", ".......ccccccc"},
        {u"/** @param mode :{RD|WR} */", "ccccttttttccccccvvvvvvvvccc", false, SourceSyntax::C},
        {u" * @brief int f", "cccttttttcccccc", true, SourceSyntax::C, true},
        {u"a /* x */ b", "..ccccccc..", false},
        {u"/*/ still open", "cccccccccccccc", false, SourceSyntax::C, true},
        {u"open /* to the end", ".....ccccccccccccc", false, SourceSyntax::C, true},
        {u"   WR|EX} */ int", "cccvvvvvvccc.kkk", true},
        {u"#include <x.h>", "kkkkkkkk......"},
        {u"; C Function prototype: int f(void)", std::string(35, 'm'), false, A},
        {u"  ; C Function prototype: int f(void)", "..ccccccccccccccccccccccccccccccccccc", false,
         A},
        {u"\tMOV\tR2, R0\t; int", "............ccccc", false, A},
        {u"\tMOV\tR2, R0\t; int", "..............kkk"},  // ";" ends a C statement
        {u"int a; // @return 1", "kkk....ccctttttttcc"},
    };
    for (const Case& c : cases) {
        const LineColours colours = ColourLine(c.line, c.startsInComment, c.syntax);
        EXPECT_EQ(Picture(c.line, colours), c.picture) << std::string(c.line.begin(), c.line.end());
        EXPECT_EQ(colours.endsInComment, c.endsInComment)
            << std::string(c.line.begin(), c.line.end());
    }
}

TEST(SyntaxOf, AMarkerAtALineStartMakesAssembler) {
    const std::pair<std::string, SourceSyntax> cases[] = {
        {"; C Function prototype: int f(void)\n", SourceSyntax::Assembler},
        {"x\n@ C Function prototype: int f(void)\n", SourceSyntax::Assembler},
        {"x\n  ; C Function prototype: int f(void)\n", SourceSyntax::C},
        {"int f(void);\n", SourceSyntax::C},
    };
    for (const auto& [text, syntax] : cases) EXPECT_EQ(SyntaxOf(text), syntax) << text;
}

TEST(StartsInBlockComment, TheLastMarkBeforeTheOffsetDecides) {
    const std::string text = "a /* b */ c /** d\n e\n*/ f";
    const std::pair<std::size_t, bool> cases[] = {
        {0, false}, {3, false},  // the "/" of "/*" itself is outside
        {4, true},  {8, true},   // up to the "/" of "*/"
        {9, false}, {16, true}, {22, true}, {23, false}, {100, false},
    };
    for (const auto& [offset, inside] : cases) {
        EXPECT_EQ(StartsInBlockComment(text, offset), inside) << offset;
    }
    // A comment opened further back than the look allows counts as closed.
    const std::string far = "/*" + std::string(100, 'x');
    EXPECT_TRUE(StartsInBlockComment(far, far.size(), 102));
    EXPECT_FALSE(StartsInBlockComment(far, far.size(), 50));
}

}  // namespace
}  // namespace wrennet
