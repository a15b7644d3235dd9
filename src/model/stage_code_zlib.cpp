// The desktop's stage code tools: raw deflate and CRC-32 from zlib, base64url
// from Abseil, joining the two halves of the reader and the writer.
#include <absl/strings/escaping.h>
#include <zlib.h>

#include "model/stage_code.h"

namespace nerilo {
namespace {

std::string toBase64Url(std::string_view bytes) { return absl::WebSafeBase64Escape(absl::string_view(bytes.data(), bytes.size())); }

std::optional<std::string> fromBase64Url(std::string_view letters) {
    std::string bytes;
    if (!absl::WebSafeBase64Unescape(absl::string_view(letters.data(), letters.size()), &bytes)) return std::nullopt;
    return bytes;
}

uint32_t crc32Of(std::string_view bytes) {
    return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

constexpr StageCodeTools Tools{toBase64Url, fromBase64Url, crc32Of};

std::string deflated(const std::string& body) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, MAX_MEM_LEVEL, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, body.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    stream.avail_in = static_cast<uInt>(body.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);  // the bound guarantees one call finishes
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

Inflated inflated(std::string_view bytes) {
    Inflated out;
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return out;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    char chunk[4096];
    int rc = Z_OK;
    while (rc == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        rc = inflate(&stream, Z_NO_FLUSH);
        out.body.append(chunk, sizeof chunk - stream.avail_out);
        if (out.body.size() > MaxStageCodeBodyBytes) rc = Z_DATA_ERROR;
    }
    const bool allUsed = stream.avail_in == 0;
    inflateEnd(&stream);
    if (rc == Z_STREAM_END && allUsed) out.end = InflateEnd::Complete;
    else if (rc == Z_BUF_ERROR && allUsed) out.end = InflateEnd::RanOut;
    if (out.end != InflateEnd::Complete) out.body.clear();
    return out;
}

}  // namespace

std::string formatStageCode(const Stage& stage, std::string_view proof) {
    return stageCodeOfStream(deflated(stageCodeBody(stage, proof)), Tools);
}

StageCodeRead parseStageCode(std::string_view text) {
    const StageCodeStreams streams = stageCodeStreams(text, Tools);
    std::vector<Inflated> found;
    for (const std::string& stream : streams.streams) found.push_back(inflated(stream));
    return readInflatedStageCode(streams, found);
}

}  // namespace nerilo
