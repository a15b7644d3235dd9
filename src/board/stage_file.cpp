#include "board/stage_file.h"

#include <cmath>

#include "board/fields.h"
#include "board/file_io.h"
#include "board/text_codec.h"

namespace nerilo {
namespace {

std::string cellName(int field) {
    int cell = field % CellCount;
    return std::to_string(rowOf(cell) + 1) + "行" + std::to_string(columnOf(cell) + 1) + "列";
}

// A grid code: the leading number of the field, which must be a whole code of the table.
bool gridCode(const std::string& field, int codeCount, uint8_t& code) {
    double value = leadingNumber(field);
    if (!(value >= 0 && value < codeCount) || value != std::floor(value)) return false;
    code = static_cast<uint8_t>(value);
    return true;
}

}  // namespace

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
            result.error = "引用符 \" が閉じていません（" + std::to_string(i + 1) + " 番目の項目）。";
            return result;
        }
        if (status == FieldReader::Status::End) {
            result.error = "ファイルが途中で終わっています（項目が " + std::to_string(i) + " 個しかありません。" +
                           std::to_string(StageFieldCount) + " 個必要です）。";
            return result;
        }
        if (i < CellCount) {
            if (!gridCode(field, GroundCodeCount, result.stage.ground[i])) {
                result.error = "地形のコード「" + field + "」（" + cellName(i) + "）は 0 から 29 の範囲にありません。";
                return result;
            }
        } else if (i < 2 * CellCount) {
            if (!gridCode(field, BlockCodeCount, result.stage.blocks[i - CellCount])) {
                result.error = "ブロックのコード「" + field + "」（" + cellName(i) + "）は 0 から 8 の範囲にありません。";
                return result;
            }
        } else if (i == 2 * CellCount) {
            result.stage.comment = commentOfField(field);
        } else {
            double target = leadingNumber(field);
            if (!(std::fabs(target) <= 99999999) || target != std::floor(target)) {
                result.error = "目標歩数「" + field + "」が正しくありません。";
                return result;
            }
            result.stage.stepTarget = static_cast<long long>(target);
        }
    }
    if (!reader.atEnd()) {
        result.error = "目標歩数のあとに余分な項目があります（" + std::to_string(StageFieldCount) + " 個を超えています）。";
    }
    return result;
}

StageRead parseStageBytes(std::string_view bytes) {
    StageRead result;
    if (bytes.find('\0') != std::string_view::npos) {
        result.error = "テキストファイルではありません。";
        return result;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        result.error = "UTF-8 で保存されたファイルです。Shift_JIS（CP932）で保存してください。";
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

std::string writeStageFile(const std::string& path, const Stage& stage) {
    Conversion bytes = utf8ToCp932(formatStage(stage));
    if (!bytes.ok()) return "コメントに" + bytes.error;
    return writeFileAtomically(path, bytes.text);
}

}  // namespace nerilo
