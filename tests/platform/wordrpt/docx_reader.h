#pragma once

// Reads the parts of a saved .docx back from its zip, for tests.
#include <zip.h>

#include <map>
#include <pugixml.hpp>
#include <string>

struct DocxPackage {
    bool ok = false;
    std::map<std::string, std::string> parts;  // name in the zip -> bytes

    pugi::xml_document Xml(const std::string& name) const {
        pugi::xml_document d;
        auto it = parts.find(name);
        if (it != parts.end()) d.load_buffer(it->second.data(), it->second.size());
        return d;
    }
};

inline DocxPackage ReadDocx(const std::string& path) {
    DocxPackage pkg;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (archive == nullptr) return pkg;
    const zip_int64_t n = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0) return pkg;
        zip_file_t* f = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (f == nullptr) return pkg;
        std::string bytes(static_cast<size_t>(st.size), '\0');
        const zip_int64_t got = zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
        if (got != static_cast<zip_int64_t>(st.size)) return pkg;
        pkg.parts[st.name] = std::move(bytes);
    }
    zip_close(archive);
    pkg.ok = true;
    return pkg;
}

// The text of a paragraph or cell as Word shows it: runs' text, line breaks as '\n', tabs as '\t'.
inline std::string TextOf(pugi::xml_node node) {
    std::string out;
    pugi::xpath_node_set nodes = node.select_nodes(".//w:t | .//w:br | .//w:tab[not(ancestor::w:tabs)]");
    nodes.sort();
    for (const pugi::xpath_node& n : nodes) {
        const std::string name = n.node().name();
        out += name == "w:t" ? std::string(n.node().text().get()) : name == "w:br" ? "\n" : "\t";
    }
    return out;
}
