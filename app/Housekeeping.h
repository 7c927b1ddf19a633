// The after-connect clean-up of the dialer: emptying the browser's URL cache,
// deleting the browser's cookie files, and the machine's local IPv4 address.
#pragma once
#include <string>

namespace ventro {

// Deletes every content entry of the URL cache, one at a time. Failures end
// the work early and are not reported.
void ClearUrlCache();

// Deletes the files whose extension is `extension` ("txt" and ".txt" are the
// same; ".*" means every file) in `folder` and its sub-folders. The folder
// must be an existing, absolute path below a drive or share root and not a
// reparse point; otherwise nothing is touched. Reparse points inside it
// (junctions, symbolic links) are never followed or touched. Only a file about
// to be deleted loses its read-only, hidden and system bits. The first
// deletion that fails ends the whole walk. Returns true when every deletion it
// tried succeeded (also when it tried none).
bool DeleteFilesByExt(const std::wstring& folder, const std::wstring& extension);

// The last IPv4 address of the local host name as dotted-decimal text, or an
// empty text when the name does not resolve to one.
std::wstring GetLocalIP();

} // namespace ventro
