#include "model/progress_file.h"

#include "model/fields.h"
#include "model/file_io.h"

namespace nerilo {
namespace {
constexpr long long MaxProgressFileBytes = 4096;

bool isWholeByte(const std::string& field, uint8_t& value) {
    if (field.empty() || field.size() > 3) return false;
    int n = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n > 255) return false;
    value = static_cast<uint8_t>(n);
    return true;
}
}  // namespace

ProgressRead parseProgress(std::string_view text) {
    ProgressRead result;
    FieldReader reader(text);
    std::string field;
    for (size_t i = 0; i < result.progress.size(); ++i) {
        if (reader.next(field) != FieldReader::Status::Field) {
            result.error = NERILO_TEXT("files", "記録が %1 面分しかありません。").arg(std::to_string(i));
            break;
        }
        if (!isWholeByte(field, result.progress[i])) {
            // The field itself is not shown: a damaged file's bytes read as nothing.
            result.error = NERILO_TEXT("files", "ステージ %1 の記録が 0 から 255 の数ではありません。").arg(std::to_string(i + 1));
            break;
        }
    }
    if (result.ok() && !reader.atEnd()) result.error = NERILO_TEXT("files", "記録が 30 面分より多くあります。");
    if (!result.ok()) result.progress = {};
    return result;
}

ProgressRead readProgressFile(const std::string& path) {
    const FileBytes file = readWholeFile(path, MaxProgressFileBytes);
    if (file.ok()) return parseProgress(file.bytes);
    ProgressRead result;
    static_cast<FileRead&>(result) = file;
    if (file.missing) result.error = {};
    return result;
}

std::string formatProgress(const Progress& progress) {
    std::string out;
    for (size_t i = 0; i < progress.size(); ++i) {
        if (i) out += ',';
        out += decimalText(progress[i]);
    }
    return out + "\r\n";
}

Text writeProgressFile(const std::string& path, const Progress& progress) {
    return writeFileAtomically(path, formatProgress(progress));
}

}  // namespace nerilo
