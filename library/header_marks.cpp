#include "library/header_marks.h"

namespace wrennet {

HeaderMarks FindHeaderMarks(std::string_view piece) {
    HeaderMarks marks;
    marks.commentOpen = piece.find("/*");
    marks.commentClose = piece.find("*/");
    marks.semicolon = piece.find(';');
    marks.lineComment = piece.find("//");
    marks.openParen = piece.find('(');
    marks.closeParen = piece.find(')');
    return marks;
}

std::size_t MarkHeaderPiece(std::string_view span, std::size_t start, HeaderMarks& marks) {
    return MarkHeaderPieceWith<ByteBlock>(span, start, marks);
}

}  // namespace wrennet
