#include "sheet/file/package_xml.h"

#include <expat.h>
#include <unzip.h>

#include <cstring>
#include <exception>

#include "core/text.h"

namespace vensa {

// The package's bytes as minizip's file: a read position over memory.
struct ZipPackage::Source {
  std::string_view bytes;
  std::uint64_t at = 0;
};

namespace {

voidpf OpenSource(voidpf opaque, const void*, int) {
  return opaque;
}

uLong ReadSource(voidpf, voidpf stream, void* buffer, uLong size) {
  auto* source = static_cast<ZipPackage::Source*>(stream);
  const std::uint64_t left = source->bytes.size() - source->at;
  const uLong n = static_cast<uLong>(std::min<std::uint64_t>(left, size));
  std::memcpy(buffer, source->bytes.data() + source->at, n);
  source->at += n;
  return n;
}

uLong WriteSource(voidpf, voidpf, const void*, uLong) {
  return 0;
}

ZPOS64_T TellSource(voidpf, voidpf stream) {
  return static_cast<ZipPackage::Source*>(stream)->at;
}

long SeekSource(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* source = static_cast<ZipPackage::Source*>(stream);
  std::uint64_t base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_CUR:
      base = source->at;
      break;
    case ZLIB_FILEFUNC_SEEK_END:
      base = source->bytes.size();
      break;
    default:
      break;
  }
  if (offset > source->bytes.size() - base) return -1;
  source->at = base + offset;
  return 0;
}

int CloseSource(voidpf, voidpf) {
  return 0;
}

int ErrorOfSource(voidpf, voidpf) {
  return 0;
}

// Expat's callbacks into the handler. An exception may not cross expat's C frames: it is
// kept, the parser is stopped, and the exception is thrown again once expat has returned.
struct ParseContext {
  XML_Parser parser = nullptr;
  XmlPartHandler* handler = nullptr;
  std::exception_ptr failure;
  bool doctype = false;
  int depth = 0;  // elements open
  bool tooDeep = false;
};

std::string_view LocalName(const XML_Char* name) {
  const char* space = std::strrchr(name, ' ');
  return space ? std::string_view(space + 1) : std::string_view(name);
}

template <typename Call>
void Guarded(ParseContext& context, Call call) {
  if (context.failure) return;
  try {
    call();
  } catch (...) {
    context.failure = std::current_exception();
    XML_StopParser(context.parser, XML_FALSE);
  }
}

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto& context = *static_cast<ParseContext*>(data);
  // The parser keeps every open element: elements nested millions deep in a few
  // compressed kilobytes would take gigabytes.
  if (++context.depth > ZipPackage::kMaxDepth) {
    context.tooDeep = true;
    XML_StopParser(context.parser, XML_FALSE);
    return;
  }
  Guarded(context, [&] { context.handler->Start(LocalName(name), attributes); });
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
  auto& context = *static_cast<ParseContext*>(data);
  --context.depth;
  Guarded(context, [&] { context.handler->End(LocalName(name)); });
}

void XMLCALL OnText(void* data, const XML_Char* text, int length) {
  auto& context = *static_cast<ParseContext*>(data);
  Guarded(context,
          [&] { context.handler->Text(std::string_view(text, static_cast<std::size_t>(length))); });
}

// The parts of a workbook have no document type; one that declares it is refused before
// its entities can be expanded.
void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  auto& context = *static_cast<ParseContext*>(data);
  context.doctype = true;
  XML_StopParser(context.parser, XML_FALSE);
}

class Parser {
 public:
  Parser() : parser_(XML_ParserCreateNS(nullptr, ' ')) {
    if (!parser_) throw std::bad_alloc();
  }
  ~Parser() { XML_ParserFree(parser_); }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;
  XML_Parser get() const { return parser_; }

 private:
  XML_Parser parser_;
};

}  // namespace

const char* XmlAttribute(const char** attributes, std::string_view name) {
  for (const char** a = attributes; a && a[0]; a += 2) {
    if (LocalName(a[0]) == name) return a[1];
  }
  return nullptr;
}

ZipPackage::ZipPackage(std::string_view bytes) : source_(std::make_unique<Source>()) {
  source_->bytes = bytes;
  zlib_filefunc64_def io{};
  io.zopen64_file = OpenSource;
  io.zread_file = ReadSource;
  io.zwrite_file = WriteSource;
  io.ztell64_file = TellSource;
  io.zseek64_file = SeekSource;
  io.zclose_file = CloseSource;
  io.zerror_file = ErrorOfSource;
  io.opaque = source_.get();
  zip_ = unzOpen2_64("package", &io);
  if (!zip_) throw PackageError("XLSX (Excel ブック) ではありません (zip として読めません)。");
  // Every part looked up walks the package's directory: a workbook has tens of parts, a
  // directory of millions would make each look-up a long scan.
  unz_global_info64 info{};
  if (unzGetGlobalInfo64(zip_, &info) != UNZ_OK || info.number_entry > kMaxParts) {
    unzClose(zip_);
    zip_ = nullptr;
    throw PackageError("ブックの部品が多すぎます (" + std::to_string(kMaxParts) + " まで)。");
  }
}

ZipPackage::~ZipPackage() {
  if (zip_) unzClose(zip_);
}

bool ZipPackage::HasPart(const std::string& name) {
  return unzLocateFile(zip_, name.c_str(), 2) == UNZ_OK;
}

bool ZipPackage::ReadXmlPart(const std::string& name, XmlPartHandler& handler) {
  if (!HasPart(name)) return false;
  const std::string broken = "ブックの部品 " + QuotedExcerpt(name) + " が壊れています";
  if (unzOpenCurrentFile(zip_) != UNZ_OK) throw PackageError(broken + "。");
  Parser parser;
  ParseContext context{parser.get(), &handler, nullptr, false, 0, false};
  XML_SetUserData(parser.get(), &context);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser.get(), OnText);
  XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
  char buffer[64 * 1024];
  for (;;) {
    const int n = unzReadCurrentFile(zip_, buffer, sizeof buffer);
    if (n < 0) {
      unzCloseCurrentFile(zip_);
      throw PackageError(broken + " (展開できません)。");
    }
    unpacked_ += static_cast<std::uint64_t>(n);
    if (unpacked_ > kMaxUnpackedBytes) {
      unzCloseCurrentFile(zip_);
      throw PackageError("展開すると " + std::to_string(kMaxUnpackedBytes >> 20) +
                         " MB を超えます (" + QuotedExcerpt(name) + ")。");
    }
    const bool last = n == 0;
    const XML_Status status = XML_Parse(parser.get(), buffer, n, last ? XML_TRUE : XML_FALSE);
    if (status != XML_STATUS_OK || context.failure || context.doctype || context.tooDeep) {
      unzCloseCurrentFile(zip_);
      if (context.failure) std::rethrow_exception(context.failure);
      if (context.tooDeep)
        throw PackageError(broken + " (要素の入れ子が " + std::to_string(kMaxDepth) +
                           " 段を超えます)。");
      if (context.doctype) throw PackageError(broken + " (文書型宣言があります)。");
      throw PackageError(broken + " (XML の " +
                         std::to_string(XML_GetCurrentLineNumber(parser.get())) +
                         " 行目: " + XML_ErrorString(XML_GetErrorCode(parser.get())) + ")。");
    }
    if (last) break;
  }
  // The checksum is compared when the part is closed: a part changed after packing.
  if (unzCloseCurrentFile(zip_) != UNZ_OK) throw PackageError(broken + " (チェックサム)。");
  return true;
}

}  // namespace vensa
