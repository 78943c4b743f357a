#pragma once
// How many columns of a terminal or a monospaced editor a cell of a table
// takes, to line the columns of a plain-text table up.

#include <cstddef>
#include <string>

namespace vomel {

// Display width of a cell. In UTF-8, three- and four-byte characters (CJK
// in practice) take two columns, the degree sign and other two-byte ones
// one; a text that is not UTF-8 is taken as GBK, where every byte takes one
// column (a two-byte Chinese character two).
std::size_t displayWidth(const std::string& text);

}  // namespace vomel
