// The host's XML writer as the module calls it.  The module writes a file
// element by element, giving with every call the nesting level it expects
// (root 0, its children 1, and so on); the host checks the level against
// the elements actually open, so a mistake fails the file instead of
// producing XML that other programs refuse.
//
//   int h = XmlOpen("ZUS 2017-03_01 pracownicy.xml");
//   XmlElement(h, 0, 1, XmlAttrTag("KEDU", "wersja_schematu=\"1\" xmlns=\"...\""));
//   XmlElement(h, 1, 1, "naglowek.KEDU");
//   XmlString(h, 2, "symbol", "SKOLVARIN WIN");
//   XmlElement(h, 1, 0, "naglowek.KEDU");
//   XmlElement(h, 0, 0, "KEDU");
//   if (XmlClose(h) != 0) ... // failed: the file was removed
//
// Texts are UTF-8 and are escaped by the writer.  Several files may be open
// at once.  A handle is positive; 0 means the file could not be opened.
#pragma once

// Opens (creates or replaces) the file; returns its handle, or 0.
int XmlOpen(const char* path);
// open = 1: opens the element whose opening-tag text is `tag` (a name, or a
// name followed by attributes as XmlAttrTag gives them) at nesting `level`;
// open = 0: closes the element named `tag`, which must be the one open at
// `level`.  Returns 0, or -1 (the file is marked failed).
int XmlElement(int handle, int level, int open, const char* tag);
// <name>text</name> at nesting `level`.  Returns 0 or -1.
int XmlString(int handle, int level, const char* name, const char* text);
// Text inside the element open at nesting `level` - 1 (an element with
// attributes and a value: <CelZlozenia poz="P_6">1</CelZlozenia>).  0 or -1.
int XmlText(int handle, int level, const char* text);
// The opening-tag text of element `name` with `attributes` (already in
// name="value" form); the text stays valid until 16 further calls.
const char* XmlAttrTag(const char* name, const char* attributes);
// Finishes and closes the file.  Returns 0 when every call on it succeeded;
// -1 otherwise, and the incomplete file is removed.
int XmlClose(int handle);
// Text of the first error on the handle ("" when none).
const char* XmlError(int handle);
