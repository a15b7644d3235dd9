#include "records/records_file.h"

#include <nlohmann/json.hpp>

#include "model/file_io.h"

namespace nerilo {
namespace {

constexpr long long MaxRecordsFileBytes = 8 << 20;
// The file nests three deep; far deeper input is refused before it is parsed.
constexpr int MaxNesting = 16;

bool nestsTooDeep(std::string_view text) {
    int depth = 0;
    bool inString = false, escaped = false;
    for (char c : text) {
        if (inString) {
            if (escaped) escaped = false;
            else if (c == '\\') escaped = true;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > MaxNesting) return true;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return false;
}

// "1" to "30" exactly as written by formatRecords, or 0.
int stageNumberOf(const std::string& key) {
    if (key.empty() || key.size() > 2 || key[0] == '0') return 0;
    int n = 0;
    for (char c : key) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n <= StageCount ? n : 0;
}

// "20261208" exactly as written by formatRecords, or 0.
DayDate dayDateOf(const std::string& key) {
    if (key.size() != 8 || key.find_first_not_of("0123456789") != std::string::npos) return 0;
    const uint64_t date = std::stoull(key);
    return isDayDate(date) ? static_cast<DayDate>(date) : 0;
}

bool readFingerprint(const std::string& text, uint64_t& value) {
    if (text.size() != 16) return false;
    value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return false;
        value = value << 4 | static_cast<uint64_t>(digit);
    }
    return true;
}

std::string fingerprintText(uint64_t value) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = Digits[value & 0xF];
    return text;
}

// The problem with the recorded clear `name` of `stage` (its number or its date), or empty text.
Text clearProblem(const std::string& stage, const std::string& name, const nlohmann::json& value) {
    if (!value.is_string()) return NERILO_TEXT("records", "ステージ %1 の「%2」が文字列ではありません。").arg(stage).arg(name);
    const std::string& keys = value.get_ref<const std::string&>();
    if (keys.empty()) return NERILO_TEXT("records", "ステージ %1 の「%2」が空です。").arg(stage).arg(name);
    if (keys.size() > MaxRecordPresses) return NERILO_TEXT("records", "ステージ %1 の「%2」が長すぎます。").arg(stage).arg(name);
    if (keys.find_first_not_of(RecordLetters) != std::string::npos)
        return NERILO_TEXT("records", "ステージ %1 の「%2」にキーの文字でないものがあります。").arg(stage).arg(name);
    if (keys.back() != 'Z')
        return NERILO_TEXT("records", "ステージ %1 の「%2」が階段での Z で終わっていません。").arg(stage).arg(name);
    return {};
}

Text readStage(const std::string& stage, const nlohmann::json& entry, StageRecord& record) {
    if (!entry.is_object()) return NERILO_TEXT("records", "ステージ %1 の記録がオブジェクトではありません。").arg(stage);
    bool hasFingerprint = false;
    for (const auto& [name, value] : entry.items()) {
        if (name == "fingerprint") {
            if (!value.is_string() || !readFingerprint(value.get_ref<const std::string&>(), record.fingerprint))
                return NERILO_TEXT("records", "ステージ %1 の「fingerprint」が 16 桁の 16 進数ではありません。").arg(stage);
            hasFingerprint = true;
        } else if (name == "dead_ends") {
            if (!value.is_number_unsigned() || value.get<uint64_t>() > MaxDeadEnds)
                return NERILO_TEXT("records", "ステージ %1 の「dead_ends」が数ではありません。").arg(stage);
            record.deadEnds = value.get<uint32_t>();
        } else if (name == "normal" || name == "step_try") {
            if (Text problem = clearProblem(stage, name, value); !problem.empty()) return problem;
            (name == "normal" ? record.normal : record.stepTry) = value.get<std::string>();
        } else {
            return NERILO_TEXT("records", "ステージ %1 の記録に知らない項目があります。").arg(stage);
        }
    }
    if (!hasFingerprint) return NERILO_TEXT("records", "ステージ %1 の記録に「fingerprint」がありません。").arg(stage);
    // A fingerprint with no clear is no record; the writer leaves it out.
    if (record.empty()) record = {};
    return {};
}

// The file's own names are not shown: a damaged file's bytes read as nothing.
Text readRecords(const nlohmann::json& file, Records& records) {
    if (!file.is_object()) return NERILO_TEXT("records", "全体がオブジェクトではありません。");
    if (!file.contains("version") || file["version"] != 1) return NERILO_TEXT("records", "「version」が 1 ではありません。");
    if (!file.contains("stages") || !file["stages"].is_object())
        return NERILO_TEXT("records", "「stages」のオブジェクトがありません。");
    for (const auto& [name, value] : file.items())
        if (name != "version" && name != "stages" && name != "days") return NERILO_TEXT("records", "知らない項目があります。");
    for (const auto& [name, entry] : file["stages"].items()) {
        const int n = stageNumberOf(name);
        if (n == 0) return NERILO_TEXT("records", "1 から 30 の数でないステージ番号があります。");
        if (Text error = readStage(name, entry, records[static_cast<size_t>(n - 1)]); !error.empty()) return error;
    }
    if (!file.contains("days")) return {};
    if (!file["days"].is_object()) return NERILO_TEXT("records", "「days」がオブジェクトではありません。");
    for (const auto& [name, entry] : file["days"].items()) {
        const DayDate date = dayDateOf(name);
        if (date == 0) return NERILO_TEXT("records", "日付でない「days」の項目があります。");
        StageRecord record;
        if (Text error = readStage(name, entry, record); !error.empty()) return error;
        if (!record.empty()) records.days[date] = std::move(record);
    }
    return {};
}

}  // namespace

RecordsRead parseRecords(std::string_view text) {
    RecordsRead result;
    if (nestsTooDeep(text)) {
        result.error = NERILO_TEXT("records", "入れ子が深すぎます。");
        return result;
    }
    const nlohmann::json file = nlohmann::json::parse(text, nullptr, false);
    if (file.is_discarded()) result.error = NERILO_TEXT("records", "JSON として読めません。");
    else result.error = readRecords(file, result.records);
    if (!result.ok()) result.records = {};
    return result;
}

RecordsRead readRecordsFile(const std::string& path) {
    const FileBytes file = readWholeFile(path, MaxRecordsFileBytes);
    if (file.ok()) return parseRecords(file.bytes);
    RecordsRead result;
    static_cast<FileRead&>(result) = file;
    if (file.missing) result.error = {};
    return result;
}

namespace {
nlohmann::ordered_json entryOf(const StageRecord& record) {
    nlohmann::ordered_json entry = {{"fingerprint", fingerprintText(record.fingerprint)}};
    if (!record.normal.empty()) entry["normal"] = record.normal;
    if (!record.stepTry.empty()) entry["step_try"] = record.stepTry;
    if (record.deadEnds > 0) entry["dead_ends"] = record.deadEnds;
    return entry;
}
}  // namespace

bool isDayDate(uint64_t date) {
    const uint64_t month = date / 100 % 100, day = date % 100;
    return date >= 20000101 && date <= 99991231 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::string formatRecords(const Records& records) {
    nlohmann::ordered_json stages = nlohmann::ordered_json::object();
    for (size_t i = 0; i < records.size(); ++i)
        if (!records[i].empty()) stages[std::to_string(i + 1)] = entryOf(records[i]);
    nlohmann::ordered_json file = {{"version", 1}, {"stages", std::move(stages)}};
    nlohmann::ordered_json days = nlohmann::ordered_json::object();
    for (const auto& [date, record] : records.days)
        if (!record.empty()) days[std::to_string(date)] = entryOf(record);
    if (!days.empty()) file["days"] = std::move(days);
    return file.dump(2) + "\n";
}

Text writeRecordsFile(const std::string& path, const Records& records) {
    return writeFileAtomically(path, formatRecords(records));
}

}  // namespace nerilo
