#include "state/text_items.h"

namespace plotmere {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string Trimmed(std::string_view text, bool (*drop)(char)) {
    while (!text.empty() && drop(text.front())) text.remove_prefix(1);
    while (!text.empty() && drop(text.back())) text.remove_suffix(1);
    return std::string(text);
}

bool ItemReader::readLine() {
    if (stop_ == Stop::None && !std::getline(in_, line_)) stop_ = Stop::End;
    if (stop_ == Stop::None) {
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        if (line_.size() > maxLine_) stop_ = Stop::TooLong;
        else if (line_.find('\0') != std::string::npos) stop_ = Stop::NotText;
    }
    if (stop_ != Stop::None) return false;
    pos_ = 0;
    inLine_ = true;
    return true;
}

std::optional<TextItem> ItemReader::Next() {
    if (!inLine_ && !readLine()) return std::nullopt;
    const std::string_view line = line_;
    size_t start = pos_;
    while (start < line.size() && isBlank(line[start])) ++start;
    TextItem item;
    size_t comma;
    if (start < line.size() && line[start] == '"') {
        const size_t close = line.find('"', start + 1);
        item = {std::string(line.substr(start + 1, close == line.npos ? line.npos : close - start - 1)),
                true};
        comma = close == line.npos ? line.npos : line.find(',', close);
    } else {
        comma = line.find(',', start);
        item.text = Trimmed(line.substr(start, comma == line.npos ? line.npos : comma - start), isBlank);
    }
    if (comma == line.npos) inLine_ = false;
    else pos_ = comma + 1;
    return item;
}

}  // namespace plotmere
