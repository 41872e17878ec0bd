// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a command line as a user without an administrator's rights would: with the limited token
// that Windows (and Wine) link to the elevated one, the token a double-clicked program gets
// under UAC. Wine starts every program elevated; this is how the tests see the other case.
// Exits with the command's exit code.
//
// Usage: run-limited.exe PROGRAM [ARGUMENT...]

#include <cstdio>
#include <windows.h>

namespace {

// The command line after this program's own name, as typed: the arguments keep their quotes.
wchar_t* command_after_own_name(wchar_t* line) {
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"') {
            ++line;
        }
        if (*line == L'"') {
            ++line;
        }
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t') {
            ++line;
        }
    }
    while (*line == L' ' || *line == L'\t') {
        ++line;
    }
    return line;
}

int fail(const char* what) {
    std::fprintf(stderr, "run-limited: %s failed (error %lu)\n", what, GetLastError());
    return 125;
}

} // namespace

int wmain() {
    wchar_t* command = command_after_own_name(GetCommandLineW());
    if (*command == L'\0') {
        std::fprintf(stderr, "usage: run-limited.exe PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    HANDLE own = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own) == 0) {
        return fail("OpenProcessToken");
    }
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    if (GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size) == 0) {
        return fail("GetTokenInformation(TokenLinkedToken)");
    }
    TOKEN_ELEVATION elevation{};
    if (GetTokenInformation(linked.LinkedToken, TokenElevation, &elevation, sizeof elevation,
                            &size) == 0 ||
        elevation.TokenIsElevated != 0) {
        std::fprintf(stderr, "run-limited: the linked token is not a limited one\n");
        return 125;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessAsUserW(linked.LinkedToken, nullptr, command, nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &startup, &process) == 0) {
        return fail("CreateProcessAsUser");
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 125;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}
