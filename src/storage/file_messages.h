#pragma once

#include <QString>

namespace mirune::file_messages {

using namespace Qt::StringLiterals;

// The two messages of the data file routines, exactly as users have always seen them.
inline QString nothingToSave() { return u"まだ保存するデータがありません。"_s; }
inline QString notADataFile() { return u"「トワラ2002」のデータファイルではありません"_s; }

} // namespace mirune::file_messages
