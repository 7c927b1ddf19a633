// The file-matching and path rules of the after-connect clean-up, free of any
// platform call so that they can be checked natively.
#pragma once
#include <string>
#include <string_view>

namespace ventro {

// The extension a walk compares names against: "txt" becomes ".txt", a text
// that holds a "." anywhere is taken as it is.
std::wstring NormalizeExtension(std::wstring_view extension);

// The part of a file name from its last "." on, "." included; empty when the
// name has no ".".
std::wstring_view FileExtension(std::wstring_view name);

// "." and "..", and every name holding ".." anywhere, are never touched.
bool IsSkippedEntryName(std::wstring_view name);

// True when a file of this name is deleted by a walk for `normalizedExtension`:
// its extension equals it ignoring ASCII letter case, or it is ".*".
bool MatchesExtension(std::wstring_view name, std::wstring_view normalizedExtension);

// True for a folder path a clean-up may walk: a non-empty absolute path
// ("C:\dir" or "\\server\share\dir") that names something below a drive or
// share root, and has no "." or ".." component that could climb out of it.
// Trailing separators are allowed. Existence is the caller's business.
bool IsSafeCleanupRoot(std::wstring_view path);

// `folder` and `name` joined with exactly one "\" between them.
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

} // namespace ventro
