/* Runs many commands inside one Wine session, which is far cheaper than one
 * Wine start per command (check.sh runs well over a thousand).
 *
 *   wine-runner.exe JOBS
 *
 * JOBS is UTF-8, one job a line: NAME, then the program and its arguments,
 * separated by tabs. A job "NAME<tab>@STDIN<tab>FILE<tab>PROGRAM..." reads
 * standard input from FILE; otherwise standard input is empty. Each job
 * writes NAME.out, NAME.err and NAME.rc (its exit status) beside JOBS. The
 * arguments reach the program as UTF-16, as a Windows shell passes them. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

static wchar_t *widen(const char *s)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, s, -1, NULL, 0);
    wchar_t *w = malloc(sizeof(wchar_t) * (size_t)n);
    MultiByteToWideChar(CP_UTF8, 0, s, -1, w, n);
    return w;
}

/* Appends one argument, quoted as CommandLineToArgvW reads it back. */
static void appendArgument(wchar_t *line, const wchar_t *arg)
{
    size_t at = wcslen(line);
    if (at)
        line[at++] = L' ';
    line[at++] = L'"';
    for (const wchar_t *p = arg;; ++p) {
        size_t slashes = 0;
        while (*p == L'\\') {
            ++p;
            ++slashes;
        }
        if (!*p) {
            for (size_t i = 0; i < slashes * 2; ++i)
                line[at++] = L'\\';
            break;
        }
        if (*p == L'"') {
            for (size_t i = 0; i < slashes * 2 + 1; ++i)
                line[at++] = L'\\';
        } else {
            for (size_t i = 0; i < slashes; ++i)
                line[at++] = L'\\';
        }
        line[at++] = *p;
    }
    line[at++] = L'"';
    line[at] = 0;
}

/* The next tab-separated field, an empty one included; NULL after the last. */
static const wchar_t *nextField(wchar_t **rest)
{
    wchar_t *field = *rest;
    if (!field)
        return NULL;
    wchar_t *tab = wcschr(field, L'\t');
    *rest = tab ? tab + 1 : NULL;
    if (tab)
        *tab = 0;
    return field;
}

static HANDLE openFile(const wchar_t *path, int write)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    return CreateFileW(path, write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: wine-runner.exe JOBS\n");
        return 2;
    }
    FILE *jobs = fopen(argv[1], "rb");
    if (!jobs) {
        fprintf(stderr, "wine-runner: cannot open %s\n", argv[1]);
        return 2;
    }
    static char text[1 << 16];
    static wchar_t line[1 << 16], path[4096];
    int failures = 0;
    while (fgets(text, sizeof text, jobs)) {
        text[strcspn(text, "\r\n")] = 0;
        if (!*text)
            continue;
        wchar_t *wide = widen(text), *rest = wide;
        const wchar_t *name = nextField(&rest);
        const wchar_t *arg = nextField(&rest);
        const wchar_t *input = L"NUL";
        if (arg && wcscmp(arg, L"@STDIN") == 0) {
            input = nextField(&rest);
            arg = nextField(&rest);
        }
        line[0] = 0;
        for (; arg; arg = nextField(&rest))
            appendArgument(line, arg); /* an empty argument too, as "" */

        STARTUPINFOW si = {0};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = openFile(input, 0);
        swprintf(path, 4096, L"%ls.out", name);
        si.hStdOutput = openFile(path, 1);
        swprintf(path, 4096, L"%ls.err", name);
        si.hStdError = openFile(path, 1);
        PROCESS_INFORMATION pi;
        DWORD status = 255;
        /* Wine now and then fails to start a process under load: a few
         * tries before the job counts as failed, and the reason kept. */
        BOOL started = FALSE;
        for (int attempt = 0; attempt < 3 && !started; ++attempt) {
            if (attempt)
                Sleep(500);
            started = CreateProcessW(NULL, line, NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
        }
        if (started) {
            WaitForSingleObject(pi.hProcess, INFINITE);
            GetExitCodeProcess(pi.hProcess, &status);
            CloseHandle(pi.hProcess);
            CloseHandle(pi.hThread);
        } else {
            char why[64];
            DWORD written = 0;
            const int n = snprintf(why, sizeof why, "wine-runner: CreateProcess failed, error %lu\n",
                                   (unsigned long)GetLastError());
            WriteFile(si.hStdError, why, (DWORD)n, &written, NULL);
            ++failures;
        }
        CloseHandle(si.hStdInput);
        CloseHandle(si.hStdOutput);
        CloseHandle(si.hStdError);
        swprintf(path, 4096, L"%ls.rc", name);
        FILE *rc = _wfopen(path, L"wb");
        if (rc) {
            fprintf(rc, "%lu\n", (unsigned long)status);
            fclose(rc);
        }
        free(wide);
    }
    fclose(jobs);
    return failures ? 1 : 0;
}
