// make_skin: builds the skin file from its readable source.
//
//   make_skin <theme.txt> <style.qss> <out.she>      write the file
//   make_skin --check <theme.txt> <style.qss> <file> exit 1 unless <file> is what it would write
//
// The body is padded to exactly CarriedBodySize bytes and the file to exactly
// CarriedFileSize; the run fails when the theme does not fit either.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "heart_tile.h"
#include "skin_reader.h"
#include "skin_writer.h"
#include "theme_source.h"

namespace {

using namespace dorvane::skin;

std::optional<std::string> ReadText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "make_skin: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 5 && std::string(argv[1]) == "--check";
    if (argc != 4 && !check) {
        return Fail("usage: make_skin [--check] <theme.txt> <style.qss> <file.she>");
    }
    char** args = argv + (check ? 2 : 1);
    const std::optional<std::string> themeText = ReadText(args[0]);
    const std::optional<std::string> styleSheet = ReadText(args[1]);
    if (!themeText || !styleSheet) {
        return Fail("cannot read the theme source");
    }
    ThemeSourceResult parsed = ParseThemeSource(*themeText);
    if (!parsed.source) {
        return Fail(std::string(args[0]) + ": " + parsed.error);
    }
    ThemeSource& source = *parsed.source;
    source.theme.styleSheet = *styleSheet;
    if (source.tile) {
        source.theme.windowTile = MakeHeartTile(*source.tile);
    }

    const std::optional<std::vector<std::uint8_t>> body =
        BuildBody(SectionsOf(source.theme), source.gbkPassword, CarriedBodySize);
    if (!body) {
        return Fail("the theme does not fit in " + std::to_string(CarriedBodySize) + " bytes");
    }
    const std::optional<std::vector<std::uint8_t>> stream = CompressBody(*body);
    if (!stream) {
        return Fail("compression failed");
    }
    const std::optional<std::vector<std::uint8_t>> file =
        PackSkinFile(CarriedBodySize, *stream, CarriedFileSize);
    if (!file) {
        return Fail("the stream is " + std::to_string(stream->size()) + " bytes, over the " +
                    std::to_string(CarriedFileSize - StreamOffset) + " that fit");
    }
    // What we write must read back as the same theme.
    const ReadResult back = ReadSkinFile(*file, source.gbkPassword);
    if (back.error != ReadError::None || !(back.theme == source.theme)) {
        return Fail("the file does not read back as its theme");
    }

    if (check) {
        const std::optional<std::string> existing = ReadText(args[2]);
        if (!existing || std::vector<std::uint8_t>(existing->begin(), existing->end()) != *file) {
            return Fail(std::string(args[2]) +
                        " is not what the theme source gives; run make_skin");
        }
        std::printf("make_skin: %s is up to date\n", args[2]);
        return 0;
    }
    std::ofstream out(args[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file->data()),
              static_cast<std::streamsize>(file->size()));
    out.close();
    if (!out) {
        return Fail(std::string("cannot write ") + args[2]);
    }
    std::printf("make_skin: body %u bytes, stream %zu bytes, file %zu bytes -> %s\n",
                CarriedBodySize, stream->size(), file->size(), args[2]);
    return 0;
}
