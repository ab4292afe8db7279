#include "host/xml/xml_validate.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace skolvarin::xml {

namespace {
void collect(void* ctx, const char* fmt, ...) {
  auto* out = static_cast<std::string*>(ctx);
  if (out->size() > 4000) return;
  char buf[1024];
  va_list ap;
  va_start(ap, fmt);
  std::vsnprintf(buf, sizeof buf, fmt, ap);
  va_end(ap);
  *out += buf;
}
}  // namespace

bool validate_against_schema(const std::string& xml_path, const std::string& xsd_path,
                             std::string& error) {
  error.clear();
  std::unique_ptr<xmlSchemaParserCtxt, void (*)(xmlSchemaParserCtxtPtr)> pctx(
      xmlSchemaNewParserCtxt(xsd_path.c_str()), xmlSchemaFreeParserCtxt);
  if (!pctx) {
    error = "Nie można odczytać schematu " + xsd_path;
    return false;
  }
  xmlSchemaSetParserErrors(pctx.get(), collect, collect, &error);
  std::unique_ptr<xmlSchema, void (*)(xmlSchemaPtr)> schema(xmlSchemaParse(pctx.get()), xmlSchemaFree);
  if (!schema) {
    if (error.empty()) error = "Błędny schemat " + xsd_path;
    return false;
  }
  std::unique_ptr<xmlSchemaValidCtxt, void (*)(xmlSchemaValidCtxtPtr)> vctx(
      xmlSchemaNewValidCtxt(schema.get()), xmlSchemaFreeValidCtxt);
  xmlSchemaSetValidErrors(vctx.get(), collect, collect, &error);
  int rc = xmlSchemaValidateFile(vctx.get(), xml_path.c_str(), 0);
  if (rc != 0 && error.empty()) error = "Plik " + xml_path + " nie jest zgodny ze schematem";
  return rc == 0;
}

}  // namespace skolvarin::xml
