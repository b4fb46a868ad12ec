// The parts of a zip package (an XLSX workbook) read as XML, straight from the file's
// bytes in memory: minizip unpacks a part in pieces and expat parses each piece as it
// comes, so a part is never held whole. Every part read counts against one bound on the
// unpacked bytes, which a small file packing gigabytes of zeros cannot pass.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/error.h"

namespace vensa {

// A package that is no zip, a part that is broken or no XML, or more unpacked bytes than
// the bound. The message says which part; the reader puts the file's name in front.
class PackageError : public VensaError {
 public:
  using VensaError::VensaError;
};

// What is told of the XML of a part: elements by their local name (namespace prefixes
// play no part), attributes as expat gives them (name, value, ..., null; names local too),
// and the character data between.
class XmlPartHandler {
 public:
  virtual ~XmlPartHandler() = default;
  virtual void Start(std::string_view name, const char** attributes) = 0;
  virtual void End(std::string_view name) = 0;
  virtual void Text(std::string_view text) = 0;
};

// The value of the attribute of that local name, or null.
const char* XmlAttribute(const char** attributes, std::string_view name);

class ZipPackage {
 public:
  // The unpacked bytes all parts read may have together.
  static constexpr std::uint64_t kMaxUnpackedBytes = 256u << 20;
  // The parts a package may list.
  static constexpr std::uint64_t kMaxParts = 100'000;
  // How deep elements may nest: a worksheet nests them fewer than ten deep.
  static constexpr int kMaxDepth = 256;

  // Opens the package over the bytes, which must outlive it. Throws PackageError when they
  // are no zip.
  explicit ZipPackage(std::string_view bytes);
  ~ZipPackage();
  ZipPackage(const ZipPackage&) = delete;
  ZipPackage& operator=(const ZipPackage&) = delete;

  bool HasPart(const std::string& name);
  // Parses the part (its name as the package lists it, letter case ignored) into the
  // handler. False when the package has no such part. Throws PackageError for a broken
  // part, XML that is not well-formed or declares a document type, and past the bound;
  // what the handler throws passes through.
  bool ReadXmlPart(const std::string& name, XmlPartHandler& handler);

  // The bytes as minizip's file (package_xml.cpp).
  struct Source;

 private:
  std::unique_ptr<Source> source_;
  void* zip_ = nullptr;
  std::uint64_t unpacked_ = 0;
};

}  // namespace vensa
