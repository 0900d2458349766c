// embed_resources SCRIPT.rc OUTPUT.cpp [--depfile FILE]
// Compiles a Windows-style resource script into C++ that registers every resource with the
// program's resource store. Paths in the script are relative to the script's folder.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/embed_resources/RcParser.h"
#include "tools/embed_resources/ResourceBuilder.h"
#include "tools/embed_resources/SourceWriter.h"

namespace {

struct Arguments {
    std::string script;
    std::string output;
    std::string depfile;
};

bool ParseArguments(int argc, char** argv, Arguments& arguments) {
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--depfile" && i + 1 < argc) {
            arguments.depfile = argv[++i];
        } else if (positional == 0) {
            arguments.script = argument;
            ++positional;
        } else if (positional == 1) {
            arguments.output = argument;
            ++positional;
        } else {
            return false;
        }
    }
    return positional == 2;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Make's rules: spaces in names are escaped.
std::string DepfileName(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#') out += '\\';
        out += c;
    }
    return out;
}

std::string Depfile(const Arguments& arguments, const embed::EmbeddedResources& built) {
    std::string out = DepfileName(arguments.output) + ": " + DepfileName(arguments.script);
    for (const std::string& file : built.filesRead)
        out += " \\\n  " + DepfileName(file);
    return out + "\n";
}

// Written beside the target and renamed over it, so a failed run leaves no half file.
bool WriteFile(const std::string& path, const std::string& text) {
    std::string temporary = path + ".tmp";
    bool written;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        written = (out << text) && out.flush();
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

int Fail(const std::string& where, const std::string& error) {
    std::fprintf(stderr, "embed_resources: %s: %s\n", where.c_str(), error.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: embed_resources SCRIPT.rc OUTPUT.cpp [--depfile FILE]\n");
        return 2;
    }
    std::string source;
    if (!ReadText(arguments.script, source)) return Fail(arguments.script, "cannot read");
    embed::RcScript script;
    embed::EmbeddedResources built;
    std::string error;
    if (!embed::ParseRcScript(source, script, error) ||
        !embed::BuildResources(script, FolderOf(arguments.script), built, error))
        return Fail(arguments.script, error);
    if (!WriteFile(arguments.output, embed::RegistrarSource(built, FileNameOf(arguments.script))))
        return Fail(arguments.output, "cannot write");
    if (!arguments.depfile.empty() && !WriteFile(arguments.depfile, Depfile(arguments, built)))
        return Fail(arguments.depfile, "cannot write");
    return 0;
}
