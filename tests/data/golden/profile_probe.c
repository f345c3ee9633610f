/* Reads profile values through the Windows profile function, for the
 * golden reads of tests/data/golden. Built with MinGW and run under Wine
 * (or on Windows) by make_golden.sh.
 *
 * Input, one read per line: FILE<TAB>SECTION-HEX<TAB>KEY-HEX
 * Output, one line per read: the input line, <TAB>COUNT<TAB>VALUE-HEX,
 * where COUNT is what the function returned and VALUE the bytes it copied
 * into a 144-byte buffer (up to the first NUL). */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static int unhex(const char *hex, char *out, int max)
{
    int n = 0;
    while (hex[0] && hex[1] && n < max - 1) {
        unsigned v;
        if (sscanf(hex, "%2x", &v) != 1)
            break;
        out[n++] = (char)v;
        hex += 2;
    }
    out[n] = 0;
    return n;
}

int main(int argc, char **argv)
{
    char line[4096], dir[MAX_PATH];
    if (argc < 3) {
        fprintf(stderr, "usage: profile_probe FOLDER CASES\n");
        return 2;
    }
    strncpy(dir, argv[1], sizeof dir - 1);
    dir[sizeof dir - 1] = 0;
    FILE *cases = fopen(argv[2], "rb");
    if (!cases)
        return 2;
    while (fgets(line, sizeof line, cases)) {
        char file[512], shex[1024], khex[1024], section[512], key[512], path[MAX_PATH + 512];
        char buf[144];
        line[strcspn(line, "\r\n")] = 0;
        if (sscanf(line, "%511[^\t]\t%1023[^\t]\t%1023s", file, shex, khex) < 2)
            continue;
        if (strcmp(shex, "-") == 0)
            shex[0] = 0;
        if (strcmp(khex, "-") == 0)
            khex[0] = 0;
        unhex(shex, section, sizeof section);
        unhex(khex, key, sizeof key);
        snprintf(path, sizeof path, "%s\\%s", dir, file);
        memset(buf, 0, sizeof buf);
        DWORD n = GetPrivateProfileStringA(section, key, "", buf, sizeof buf, path);
        printf("%s\t%lu\t", line, (unsigned long)n);
        for (int i = 0; i < (int)sizeof buf && buf[i]; ++i)
            printf("%02x", (unsigned char)buf[i]);
        printf("\n");
    }
    fclose(cases);
    return 0;
}
