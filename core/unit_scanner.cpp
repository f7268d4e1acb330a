#include "core/unit_scanner.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <array>
#include <cstring>
#include <limits>
#include <mutex>
#include <string>

namespace lingotab::core {

namespace {

// Element depths of the nodes the extraction reads: the root element, its
// child 0 (file), the file's child 1 (body), every child of the body (unit),
// every child of a unit, and the children of a "source" or "target" element.
enum Depth { dRoot = 1, dFile = 2, dBody = 3, dUnit = 4, dField = 5, dFieldContent = 6 };

enum class Field { None, Source, Target };

bool isBlank(const xmlChar* text, int length) {
    for (int i = 0; i < length; ++i) {
        const xmlChar c = text[i];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return false;
    }
    return true;
}

bool nameIs(const xmlChar* prefix, const xmlChar* localName, const char* wanted) {
    return !prefix && std::strcmp(reinterpret_cast<const char*>(localName), wanted) == 0;
}

// The parser hands attribute values over with every '&' written as "&#38;"
// (it keeps entity references unresolved); this gives the plain value.
void assignAttributeValue(std::string& out, const xmlChar* begin, const xmlChar* end) {
    out.assign(reinterpret_cast<const char*>(begin), end - begin);
    static constexpr std::string_view escapedAmpersand = "&#38;";
    for (size_t at = out.find(escapedAmpersand); at != std::string::npos;
         at = out.find(escapedAmpersand, at + 1))
        out.replace(at, escapedAmpersand.size(), 1, '&');
}

struct Scanner {
    bool translatedOnly = false;
    UnitScan* scan = nullptr;
    XmlError* error = nullptr;
    bool failed = false;

    int depth = 0;  // of the element being read; 0 outside the root
    // Child counts of the open elements on the path, indexed by their depth,
    // and whether text not yet counted as a node runs in them.
    std::array<int, dFieldContent> children{};
    std::array<bool, dFieldContent> textPending{};
    std::array<bool, dFieldContent> textSolid{};

    bool inFile = false;
    bool inBody = false;
    bool inUnit = false;
    bool unitsDone = false;  // a unit failed: the extraction stops there

    // The unit being read.
    bool hasResname = false;
    std::string resname, source, target;
    QString unitError;

    // The "source" or "target" element being read and its single text.
    Field field = Field::None;
    bool fieldSingleText = false;
    std::string fieldText;

    void fail(const QString& reason, int line) {
        if (failed) return;
        failed = true;
        error->reason = reason;
        error->line = line;
    }

    // A node of any kind begins in the element of `parentDepth`: the text
    // before it, if any, becomes a node first. Returns the new node's position.
    int addChild(int parentDepth) {
        if (parentDepth <= 0 || parentDepth >= dFieldContent) return -1;
        endText(parentDepth);
        return children[parentDepth]++;
    }

    void endText(int parentDepth) {
        if (!textPending[parentDepth]) return;
        textPending[parentDepth] = false;
        if (!textSolid[parentDepth]) {
            // Whitespace-only text forms no node.
            if (parentDepth == dField && children[dField] == 0) fieldText.clear();
            return;
        }
        textSolid[parentDepth] = false;
        const int position = children[parentDepth]++;
        if (parentDepth == dRoot && position == 0)
            scan->rootHasChild = true;  // a text has no attributes
        if (parentDepth == dFile && position == 1 && inFile) scan->fileHasBody = true;
        if (parentDepth == dField) fieldSingleText = position == 0;
    }

    void openElement(const xmlChar* localName, const xmlChar* prefix, int attributeCount,
                     const xmlChar** attributes) {
        const int position = addChild(depth);
        ++depth;
        if (depth < dFieldContent) {
            children[depth] = 0;
            textPending[depth] = false;
            textSolid[depth] = false;
        }
        switch (depth) {
            case dRoot:
                break;
            case dFile:
                if (position != 0) break;
                scan->rootHasChild = true;
                inFile = true;
                scan->fileHasLanguages =
                    hasAttribute(attributeCount, attributes, "source-language") &&
                    hasAttribute(attributeCount, attributes, "target-language");
                break;
            case dBody:
                if (!inFile || position != 1) break;
                scan->fileHasBody = true;
                inBody = true;
                break;
            case dUnit:
                if (!inBody || unitsDone) break;
                startUnit(attributeCount, attributes);
                break;
            case dField:
                if (!inUnit) break;
                if (nameIs(prefix, localName, "source"))
                    field = Field::Source;
                else if (nameIs(prefix, localName, "target"))
                    field = Field::Target;
                else
                    break;
                fieldSingleText = false;
                fieldText.clear();
                break;
            case dFieldContent:
                fieldSingleText = false;  // an element inside "source" or "target"
                break;
            default:
                break;
        }
    }

    void closeElement() {
        if (depth < dFieldContent) endText(depth);
        switch (depth) {
            case dFile:
                inFile = false;
                break;
            case dBody:
                inBody = false;
                break;
            case dUnit:
                if (inUnit) endUnit();
                break;
            case dField:
                if (field != Field::None) endField();
                break;
            default:
                break;
        }
        --depth;
    }

    static bool hasAttribute(int count, const xmlChar** attributes, const char* name) {
        for (int i = 0; i < count; ++i, attributes += 5)
            if (nameIs(attributes[1], attributes[0], name)) return true;
        return false;
    }

    void startUnit(int attributeCount, const xmlChar** attributes) {
        inUnit = true;
        hasResname = false;
        source.clear();
        target.clear();
        for (int i = 0; i < attributeCount; ++i, attributes += 5) {
            if (!nameIs(attributes[1], attributes[0], "resname")) continue;
            hasResname = true;
            assignAttributeValue(resname, attributes[3], attributes[4]);
            break;
        }
    }

    void endField() {
        const Field done = field;
        field = Field::None;
        const int count = children[dField];
        if (count > 1 || (count == 1 && !fieldSingleText)) {
            notSingleText(done == Field::Source ? "source" : "target");
            return;
        }
        if (count == 0) fieldText.clear();
        (done == Field::Source ? source : target).swap(fieldText);
    }

    // A node that is not an element, named `name`, among a unit's children:
    // it has no element text, so asking for one fails.
    void nonElementField(const char* name) {
        if (inUnit && (std::strcmp(name, "source") == 0 || std::strcmp(name, "target") == 0))
            notSingleText(name);
    }

    void notSingleText(const char* name) {
        stopUnits(QStringLiteral("Element \"%1\" does not contain a single text node")
                      .arg(QString::fromUtf8(name)));
    }

    void endUnit() {
        inUnit = false;
        const bool taken = translatedOnly
                               ? !target.empty()
                               : (!source.empty() && (source[0] == '\'' || source[0] == '"'));
        if (!taken) return;
        if (!hasResname) {
            stopUnits(absentAttributeMessage());
            return;
        }
        scan->taken.push_back(
            {QString::fromUtf8(resname), QString::fromUtf8(source), QString::fromUtf8(target)});
    }

    void stopUnits(const QString& message) {
        scan->unitError = message;
        unitsDone = true;
        inUnit = false;
        field = Field::None;
    }

    void text(const xmlChar* data, int length) {
        if (depth <= 0 || depth >= dFieldContent) return;
        textPending[depth] = true;
        if (!textSolid[depth] && !isBlank(data, length)) textSolid[depth] = true;
        if (depth == dField && field != Field::None && children[dField] == 0)
            fieldText.append(reinterpret_cast<const char*>(data), length);
    }

    void cdata(const xmlChar* data, int length) {
        const int position = addChild(depth);
        noteNonElement(position);
        if (depth == dField && field != Field::None) {
            fieldSingleText = position == 0;
            if (position == 0) fieldText.assign(reinterpret_cast<const char*>(data), length);
        }
    }

    // A comment or processing instruction (named `name`) at the current depth.
    void other(const char* name) {
        const int position = addChild(depth);
        noteNonElement(position);
        if (depth == dField && field != Field::None) fieldSingleText = false;
        if (depth == dUnit) nonElementField(name);
    }

    void noteNonElement(int position) {
        if (depth == dRoot && position == 0)
            scan->rootHasChild = true;  // no attributes, no languages
        if (depth == dFile && position == 1 && inFile) scan->fileHasBody = true;
    }
};

Scanner& scannerOf(void* context) {
    return *static_cast<Scanner*>(static_cast<xmlParserCtxtPtr>(context)->_private);
}

void onStartElement(void* context, const xmlChar* localName, const xmlChar* prefix, const xmlChar*,
                    int, const xmlChar**, int attributeCount, int, const xmlChar** attributes) {
    scannerOf(context).openElement(localName, prefix, attributeCount, attributes);
}

void onEndElement(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    scannerOf(context).closeElement();
}

void onCharacters(void* context, const xmlChar* text, int length) {
    scannerOf(context).text(text, length);
}

void onCdata(void* context, const xmlChar* text, int length) {
    scannerOf(context).cdata(text, length);
}

void onComment(void* context, const xmlChar*) {
    scannerOf(context).other("#comment");
}

void onProcessingInstruction(void* context, const xmlChar* target, const xmlChar*) {
    scannerOf(context).other(reinterpret_cast<const char*>(target));
}

// Translation files carry their document type declaration on the second
// line, which the extraction blanks; one anywhere else is refused before any
// of its declarations are read.
void onInternalSubset(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    scannerOf(context).fail(QStringLiteral("A document type declaration is not allowed."),
                            parser->input ? parser->input->line : 0);
    xmlStopParser(parser);
}

void onError(void* context, xmlErrorPtr error) {
    if (!error || error->level < XML_ERR_ERROR) return;
    QString reason = QString::fromUtf8(error->message ? error->message : "").trimmed();
    scannerOf(context).fail(reason, error->line);
}

}  // namespace

QString absentAttributeMessage() {
    return QStringLiteral("Could not convert variant of type (Null) into type (OleStr)");
}

bool scanTranslationUnits(const QByteArray& utf8, bool translatedOnly, UnitScan& scan,
                          XmlError& error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { xmlInitParser(); });

    xmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = onStartElement;
    handler.endElementNs = onEndElement;
    handler.characters = onCharacters;
    handler.ignorableWhitespace = onCharacters;
    handler.cdataBlock = onCdata;
    handler.comment = onComment;
    handler.processingInstruction = onProcessingInstruction;
    handler.internalSubset = onInternalSubset;
    handler.serror = onError;

    Scanner scanner;
    scanner.translatedOnly = translatedOnly;
    scanner.scan = &scan;
    scanner.error = &error;

    if (utf8.size() > std::numeric_limits<int>::max()) {
        error = {QStringLiteral("The text is too large."), 0};
        return false;
    }
    xmlParserCtxtPtr context =
        xmlCreateMemoryParserCtxt(utf8.constData(), static_cast<int>(utf8.size()));
    if (!context) {
        error = {QStringLiteral("Out of memory."), 0};
        return false;
    }
    // Our handler replaces the tree builder: no document is built, and every
    // error comes to onError, never to the console. Callbacks find the
    // scanner through the context, so parses do not share any state.
    *context->sax = handler;
    context->userData = context;
    context->_private = &scanner;
    // No entity substitution, no external subset, no network; the text is
    // UTF-8 whatever its declaration says.
    xmlCtxtUseOptions(context, XML_PARSE_NONET | XML_PARSE_IGNORE_ENC);
    xmlSwitchEncoding(context, XML_CHAR_ENCODING_UTF8);
    xmlParseDocument(context);
    if (!context->wellFormed && !scanner.failed)
        scanner.fail(QStringLiteral("The document is not well-formed."),
                     context->input ? context->input->line : 0);
    if (context->myDoc) xmlFreeDoc(context->myDoc);
    xmlFreeParserCtxt(context);
    return !scanner.failed;
}

}  // namespace lingotab::core
