#!/usr/bin/python3
"""Takes the parts of an e-declaration whose published types we hold and
writes them as one document for tests/declarations/pit_parts.xsd: the tax
office code (KodyUrzedowSkarbowych), the payer and the taxpayer
(StrukturyDanych) and the ORD-ZU reason text.  The common types of the
forms' years are the 2011 namespace; the held file is its 2022 version, so
the parts are moved into the 2022 namespace (the element names and types
used here are the same in both).

usage: pit_schema_parts.py DECLARATION.xml OUT.xml
"""
import sys
import xml.etree.ElementTree as ET

ETD_OLD = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
ETD_NEW = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2022/09/13/eD/DefinicjeTypy/"


def local(tag):
    return tag.split("}", 1)[-1]


def moved(element, name):
    """A copy of `element` named `name` (no namespace) whose children move
    from the old common-types namespace into the new one."""
    out = ET.Element(name)
    for child in element:
        tag = child.tag.replace("{" + ETD_OLD + "}", "{" + ETD_NEW + "}")
        if not tag.startswith("{" + ETD_NEW + "}"):
            continue
        copy = ET.SubElement(out, tag)
        copy.text = child.text
    return out


def main():
    doc = ET.parse(sys.argv[1]).getroot()
    parts = ET.Element("Czesci")
    for e in doc.iter():
        if local(e.tag) == "KodUrzedu":
            ET.SubElement(parts, "KodUrzedu").text = e.text
    for e in doc:
        if local(e.tag) == "Podmiot1":
            for person in e:
                parts.append(moved(person, "Platnik" + local(person.tag)))
        if local(e.tag) == "Podmiot2":
            for person in e:
                if local(person.tag) == "OsobaFizyczna":
                    parts.append(moved(person, "Podatnik"))
    for e in doc.iter():
        if local(e.tag) == "P_13":
            ET.SubElement(parts, "Uzasadnienie").text = e.text
    ET.register_namespace("etd", ETD_NEW)
    ET.ElementTree(parts).write(sys.argv[2], encoding="UTF-8", xml_declaration=True)


if __name__ == "__main__":
    main()
