// Platform adapters: the interfaces of the file formats made real on one platform. The file system
// (file_system.h) for POSIX (posix_file_system.cpp, the native tests and tools) and for Windows
// (win_file_system.cpp, UTF-16 paths); code page 932 (cp932_codec.h) through Windows' own code page
// (win_cp932_codec.h, over win_text_boundary.h, the one place where the programs' text crosses
// between code page 932 and UTF-16) and through iconv (iconv_cp932_codec.h, the native tests and
// fuzzers); and the registry key that keeps a program's settings (win_settings_key.h). A win_*
// file is built into the Windows programs only, the others natively only. Code here includes the
// platform's headers, the file formats (formats/), the data model (model/) and this folder.
#pragma once

#ifdef _WIN32
#include "platform/win_cp932_codec.h"
#include "platform/win_settings_key.h"
#include "platform/win_text_boundary.h"
#else
#include "platform/iconv_cp932_codec.h"
#endif
