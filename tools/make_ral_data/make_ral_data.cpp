#include "tools/make_ral_data/make_ral_data.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <string_view>

#include "colour/cie_conversions.h"
#include "colour/ral_design.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// One whole line, its line end included when there is one; false at the end of the input.
// Lines are read whole, however long, so that no code is ever cut in two.
bool ReadLine(std::FILE* in, std::string& line) {
    line.clear();
    char part[1024];
    while (std::fgets(part, sizeof part, in) != nullptr) {
        line += part;
        if (line.back() == '\n') {
            break;
        }
    }
    return !line.empty();
}

std::string_view DropTrailing(std::string_view text, std::string_view chars) {
    while (!text.empty() && chars.find(text.back()) != std::string_view::npos) {
        text.remove_suffix(1);
    }
    return text;
}

// True when the piece is exactly three numbers as "%3f %2f %2f" reads them and fits the
// record's code field, so that its row is a well-formed record.
bool ReadCode(const std::string& piece, float& h, float& l, float& c) {
    int used = 0;
    if (std::sscanf(piece.c_str(), "%3f %2f %2f%n", &h, &l, &c, &used) != 3) {
        return false;
    }
    return static_cast<std::size_t>(used) == piece.size() && piece.size() < sizeof(RalDesignColor::code);
}

bool StartsWithDigit(std::string_view piece) {
    return !piece.empty() && std::isdigit(static_cast<unsigned char>(piece.front()));
}

}  // namespace

RalListStatus MakeRalDataFiles(const char* inputPath, const char* outputPath, std::FILE* progress,
                               std::FILE* errors) {
    const File in(std::fopen(inputPath, "r"));
    if (!in) {
        return RalListStatus::inputNotOpened;
    }
    const File out(std::fopen(outputPath, "w"));
    if (!out) {
        return RalListStatus::outputNotOpened;
    }

    std::string line;
    int written = 0;  // runs on across lines
    for (int lineNumber = 1; ReadLine(in.get(), line); ++lineNumber) {
        if (line[0] == '#' || line[0] == '\n') {
            continue;
        }
        // The line end belongs to no code, whether or not a tab precedes it.
        std::string_view rest = DropTrailing(line, "\r\n");
        rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));

        // Pieces are separated by runs of tabs; the first that does not start with a digit
        // ends the line.
        while (true) {
            rest.remove_prefix(std::min(rest.find_first_not_of('\t'), rest.size()));
            const std::string_view raw = rest.substr(0, rest.find('\t'));
            if (!StartsWithDigit(raw)) {
                break;
            }
            rest.remove_prefix(raw.size());
            const std::string piece(DropTrailing(raw, " "));
            float h = 0;
            float l = 0;
            float c = 0;
            if (!ReadCode(piece, h, l, c)) {
                std::fprintf(errors, "%s:%d: skipped \"%s\": not a code \"HHH LL CC\"\n", inputPath,
                             lineNumber, piece.c_str());
                continue;
            }
            std::fprintf(progress, "%d (%3.0f/%2.0f%2.0f) %s\n", written + 1, h, l, c, piece.c_str());
            const ColorTriple lab = HLC__Lab({h, l, c});
            std::fprintf(out.get(), "{ \"%s\",%7.3f,%7.3f,%7.3f } ,\n", piece.c_str(), lab.c1, lab.c2,
                         lab.c3);
            ++written;
        }
    }
    return RalListStatus::ok;
}

void MakeRalData() {
    (void)MakeRalDataFiles(kRalListInput, kRalListOutput, stdout, stderr);
}
