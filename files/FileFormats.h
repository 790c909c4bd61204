#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/PatternDocument.h"
#include "settings/UserMessage.h"

namespace orvalis {

enum class FormatId { LifeFile, LifeXml, Pictures, Rle, Plaintext, FieldPicture, Macrocell };

// The program's own pattern files, the Life community's pattern formats
// (which keep only living cells) and pictures.
enum class FormatFamily { Own, Community, Picture };

// A reader makes a document of a file's bytes, or refuses them; a writer
// makes the bytes of a document.
using FormatReader = DocumentReading (*)(std::string_view bytes, const ReadingContext& context);
using FormatWriter = std::string (*)(const PatternDocument& document);

// One file type of the load and save dialogs, described once for both
// commands, opening by name or drop, content recognition and orvalis-cli.
// The table's order is the order of the dialogs' lists; a new format is one
// entry at its end: how it is recognised, read and written.
struct FileFormat {
  FormatId id = FormatId::LifeFile;
  FormatFamily family = FormatFamily::Own;
  const char* label = "";  // the dialogs' file type
  std::vector<std::string> dialogPatterns;
  std::vector<std::string> extensions;  // lower case, by which a name selects the format
  // What a name without extension is given (".lif"); empty leaves the name.
  std::string extension;
  // By the file's first bytes; null when the content cannot say.
  bool (*recognises)(std::string_view start) = nullptr;
  // A file opened by a name with this format's extension whose content
  // another format recognises is read as that one: the name is shared with
  // other programs' formats. (The load dialog always lets the content
  // decide.)
  bool contentFirst = false;
  FormatReader read = nullptr;  // null: not offered for loading
  FormatWriter write = nullptr;
  // What the user is told when the file cannot be read or written; a
  // picture that cannot be read ends its import without a word.
  UserMessage (*notLoaded)() = nullptr;
  UserMessage (*notSaved)() = nullptr;
  // Offered for saving; a picture of the field has no writer here, as the
  // view paints it.
  bool saved = false;
};

// The dialogs' lists in order.
std::vector<const FileFormat*> loadFormats();
std::vector<const FileFormat*> saveFormats();

// The load dialog's entry after the formats: every file the load command
// reads, pattern files gzip compressed too.
inline constexpr const char* allPatternsLabel = "Alle Muster";
std::vector<std::string> allPatternsDialogPatterns();

const FileFormat& fileFormat(FormatId id);
// The entry at `index` of a dialog's list; any other index stands for its
// first entry, the Life file.
const FileFormat& listedFormat(const std::vector<const FileFormat*>& list, int index);
// Positions in the dialogs' lists.
int loadIndex(FormatId id);
int saveIndex(FormatId id);

// The loadable format that the path's extension, in any case, selects;
// behind ".gz" the extension before it (gzip compressed files read as their
// content).
const FileFormat* loadFormatForName(const std::string& path);
// The format with a writer that the path's extension selects.
const FileFormat* saveFormatForName(const std::string& path);

// The extensions that give way to `chosen`'s when a file is saved in it:
// those of every other format the program knows, pictures included, so that
// saving never writes one format under a name that claims another.
std::vector<std::string> extensionsGivingWay(const FileFormat& chosen);

}  // namespace orvalis
