#pragma once

#include <QString>

namespace lingotab::skins {

// A directory text with a trailing separator: empty stays empty, a text
// that ends in "/" stays, a final "\" becomes "/", anything else gets "/".
QString normalizedDirectory(const QString& directory);

// `skinDirectory` made absolute against `exeDir` (the executable's directory
// with a trailing "/"): one leading ".." level goes up from it, "./" and
// other relative texts are taken inside it, absolute paths stay as they are.
// No separator is appended.
QString fullSkinDirectory(const QString& skinDirectory, const QString& exeDir);

// The running executable's directory with a trailing "/".
QString executableDirectory();

// `path` when it exists; otherwise the existing path that differs from it
// only in the letter case of its components (skins name their files in any
// case, written for file systems that ignore it); empty when there is none.
QString findPathIgnoringCase(const QString& path);

}  // namespace lingotab::skins
