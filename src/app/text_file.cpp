#include "app/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/program.h"

namespace nuv {

namespace {

std::string ErrnoText(int error) { return error ? std::strerror(error) : "unknown error"; }

}  // namespace

std::string LinesAsText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes, std::string& reason) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        reason = ErrnoText(errno);
        return false;
    }
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    reason = ErrnoText(written ? errno : writeError);
    return false;
}

void WriteFileOrTrace(Program& program, const std::string& path, std::string_view bytes) {
    std::string reason;
    if (!WriteFileBytes(path, bytes, reason)) TraceWriteFailure(program, path, reason);
}

void TraceWriteFailure(Program& program, const std::string& target, const std::string& reason) {
    program.form.DiagnosticTrace.Append("Cannot write " + target + " - " + reason);
}

}  // namespace nuv
