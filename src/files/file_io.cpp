#include "files/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ssize_t (*FileWriteHook)(int fd, const void *data, size_t size);

LoadResult LoadWholeFile(const char *name, char *buffer, int capacity, int *size)
{
    *size = 0;
    // Opened without waiting: a named pipe in place of a project file must not block the
    // program; only a regular file is read.
    int fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return LOAD_MISSING;
        buffer[0] = 0;
        return LOAD_READ_ERROR;
    }
    struct stat info;
    FILE *file = nullptr;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 || !(file = fdopen(fd, "rb"))) {
        close(fd);
        buffer[0] = 0;
        return LOAD_READ_ERROR;
    }
    if (info.st_size == 0) {
        fclose(file);
        return LOAD_EMPTY;
    }
    if (info.st_size > capacity - 1) {
        fclose(file);
        return LOAD_TOO_LARGE;
    }
    int expected = (int)info.st_size;
    size_t got = fread(buffer, 1, expected, file);
    fclose(file);
    if ((int)got != expected) {
        buffer[0] = 0;
        return LOAD_READ_ERROR;
    }
    buffer[expected] = 0;
    *size = expected;
    return LOAD_OK;
}

int DiskSize(const char *text, int length)
{
    int size = length;
    for (int i = 0; i < length; i++)
        size += text[i] == '\n';
    return size;
}

static void SetReason(char *reason, int reasonSize, const char *text)
{
    if (reasonSize > 0)
        snprintf(reason, reasonSize, "%s", text);
}

// Writes all bytes, retrying partial writes; false on an error or a write that makes no progress.
static bool WriteAll(int fd, const char *data, size_t size, long *written, int *error)
{
    while (size > 0) {
        ssize_t done = FileWriteHook ? FileWriteHook(fd, data, size) : write(fd, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            *error = done < 0 ? errno : 0;
            return false;
        }
        *written += done;
        data += done;
        size -= done;
    }
    return true;
}

// Writes the text with CR LF line ends, converted in chunks.
static bool WriteCrLf(int fd, const char *text, int length, long *written, int *error)
{
    static char chunk[65536];
    int used = 0;
    for (int i = 0; i < length; i++) {
        if (used >= (int)sizeof chunk - 2) {
            if (!WriteAll(fd, chunk, used, written, error))
                return false;
            used = 0;
        }
        if (text[i] == '\n')
            chunk[used++] = '\r';
        chunk[used++] = text[i];
    }
    return WriteAll(fd, chunk, used, written, error);
}

// The new file keeps the mode of the file it replaces; a new one gets the usual 0666 less umask.
static mode_t TargetMode(const char *name)
{
    struct stat info;
    if (stat(name, &info) == 0)
        return info.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool SaveTextAtomically(const char *name, const char *text, int length,
                        char *reason, int reasonSize)
{
    SetReason(reason, reasonSize, "");
    // A symbolic link keeps pointing at the file: the file it names is replaced.
    char resolved[PATH_MAX];
    struct stat link;
    if (lstat(name, &link) == 0 && S_ISLNK(link.st_mode) && realpath(name, resolved))
        name = resolved;
    // A write-protected file is not replaced behind its owner's back.
    if (access(name, F_OK) == 0 && access(name, W_OK) != 0) {
        SetReason(reason, reasonSize, strerror(errno));
        return false;
    }
    char temp[4096];
    if (snprintf(temp, sizeof temp, "%s.XXXXXX", name) >= (int)sizeof temp) {
        SetReason(reason, reasonSize, strerror(ENAMETOOLONG));
        return false;
    }
    int fd = mkstemp(temp);
    if (fd < 0) {
        SetReason(reason, reasonSize, strerror(errno));
        return false;
    }
    fchmod(fd, TargetMode(name));

    long written = 0;
    int error = 0;
    bool ok = WriteCrLf(fd, text, length, &written, &error);
    if (!ok) {
        long expected = DiskSize(text, length);
        printf("write error:  expected %i, returned %i\n", (int)expected, (int)written);
        fflush(stdout);
        SetReason(reason, reasonSize, error ? strerror(error) : "short write");
    } else if (fsync(fd) != 0) {
        ok = false;
        SetReason(reason, reasonSize, strerror(errno));
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        SetReason(reason, reasonSize, strerror(errno));
    }
    if (ok && rename(temp, name) != 0) {
        ok = false;
        SetReason(reason, reasonSize, strerror(errno));
    }
    if (!ok)
        unlink(temp);
    return ok;
}
