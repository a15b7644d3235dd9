#include "model/stage_file.h"

#include <cmath>

#include "model/fields.h"
#include "model/file_io.h"
#include "model/text_codec.h"

namespace nerilo {
namespace {

Text cellName(int field) {
    int cell = field % CellCount;
    return NERILO_TEXT("files", "%1行%2列").arg(std::to_string(rowOf(cell) + 1)).arg(std::to_string(columnOf(cell) + 1));
}

// A grid code: the leading number of the field, which must be a whole code of the table.
bool gridCode(const std::string& field, int codeCount, uint8_t& code) {
    double value = leadingNumber(field);
    if (!(value >= 0 && value < codeCount) || value != std::floor(value)) return false;
    code = static_cast<uint8_t>(value);
    return true;
}

}  // namespace

uint64_t stageFingerprint(const std::array<uint8_t, CellCount>& ground, const std::array<uint8_t, CellCount>& blocks,
                          long long stepTarget) {
    // FNV-1a over the codes and the target's decimal digits: the same value on every machine.
    uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](uint8_t byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    for (uint8_t code : ground) add(code);
    for (uint8_t code : blocks) add(code);
    for (char digit : std::to_string(stepTarget)) add(static_cast<uint8_t>(digit));
    return hash;
}

std::string storableComment(std::string_view comment) {
    std::string out;
    for (size_t i = 0; i < comment.size(); ++i) {
        const char c = comment[i];
        if (c == '"') {
            out += "＂";
        } else if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < comment.size() && comment[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

namespace {
// A comment's line breaks stand as CR LF in the file, like every other line end.
std::string commentOfField(const std::string& field) {
    std::string comment;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\r' && i + 1 < field.size() && field[i + 1] == '\n') continue;
        comment += field[i] == '\r' ? '\n' : field[i];
    }
    return comment;
}
}  // namespace

StageRead parseStage(std::string_view text) {
    StageRead result;
    FieldReader reader(text);
    std::string field;
    for (int i = 0; i < StageFieldCount; ++i) {
        FieldReader::Status status = reader.next(field);
        if (status == FieldReader::Status::UnclosedQuote) {
            result.error = NERILO_TEXT("files", "引用符 \" が閉じていません（%1 番目の項目）。").arg(std::to_string(i + 1));
            return result;
        }
        if (status == FieldReader::Status::End) {
            result.error = NERILO_TEXT("files", "ファイルが途中で終わっています（項目が %1 個しかありません。%2 個必要です）。")
                               .arg(std::to_string(i))
                               .arg(std::to_string(StageFieldCount));
            return result;
        }
        if (i < CellCount) {
            if (!gridCode(field, GroundCodeCount, result.stage.ground[i])) {
                result.error = NERILO_TEXT("files", "地形のコード「%1」（%2）は 0 から 29 の範囲にありません。")
                                   .arg(field)
                                   .arg(cellName(i));
                return result;
            }
        } else if (i < 2 * CellCount) {
            if (!gridCode(field, BlockCodeCount, result.stage.blocks[i - CellCount])) {
                result.error = NERILO_TEXT("files", "ブロックのコード「%1」（%2）は 0 から 8 の範囲にありません。")
                                   .arg(field)
                                   .arg(cellName(i));
                return result;
            }
        } else if (i == 2 * CellCount) {
            result.stage.comment = commentOfField(field);
        } else {
            double target = leadingNumber(field);
            if (!(std::fabs(target) <= 99999999) || target != std::floor(target)) {
                result.error = NERILO_TEXT("files", "目標歩数「%1」が正しくありません。").arg(field);
                return result;
            }
            result.stage.stepTarget = static_cast<long long>(target);
        }
    }
    if (!reader.atEnd()) {
        result.error = NERILO_TEXT("files", "目標歩数のあとに余分な項目があります（%1 個を超えています）。")
                           .arg(std::to_string(StageFieldCount));
    }
    return result;
}

StageRead parseStageBytes(std::string_view bytes) {
    StageRead result;
    if (bytes.find('\0') != std::string_view::npos) {
        result.error = NERILO_TEXT("files", "テキストファイルではありません。");
        return result;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        result.error = NERILO_TEXT("files", "UTF-8 で保存されたファイルです。Shift_JIS（CP932）で保存してください。");
        return result;
    }
    Conversion text = cp932ToUtf8(bytes);
    if (!text.ok()) {
        result.error = text.error;
        return result;
    }
    return parseStage(text.text);
}

StageRead readStageFile(const std::string& path) {
    FileBytes file = readWholeFile(path, MaxStageFileBytes);
    if (!file.ok()) {
        StageRead result;
        result.error = file.error;
        result.missing = file.missing;
        return result;
    }
    return parseStageBytes(file.bytes);
}

std::string formatStage(const Stage& stage) {
    std::string out;
    auto grid = [&out](const std::array<uint8_t, CellCount>& codes) {
        for (int r = 0; r < CellCount; r += BoardSide) {
            for (int c = 0; c < BoardSide; ++c) {
                if (c) out += ',';
                out += '"' + decimalText(codes[r + c]) + '"';
            }
            out += "\r\n";
        }
    };
    grid(stage.ground);
    grid(stage.blocks);
    out += '"' + storableComment(stage.comment) + "\"\r\n";
    out += '"' + decimalText(stage.stepTarget) + "\"\r\n";
    return out;
}

Text writeStageFile(const std::string& path, const Stage& stage) {
    Conversion bytes = utf8ToCp932(formatStage(stage));
    if (!bytes.ok()) return NERILO_TEXT("files", "コメントに%1").arg(bytes.error);
    return writeFileAtomically(path, bytes.text);
}

}  // namespace nerilo
