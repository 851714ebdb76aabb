#include "core/export/SvgCompactor.h"

#include <QBuffer>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace SvgCompactor {

namespace {

struct Initial {
    QLatin1String name;
    QLatin1String value;
};

// Inherited presentation attributes with their initial values: the only ones moved or dropped. A fixed
// order, so the same drawing always gives the same bytes.
constexpr std::array<Initial, 8> InitialValues { {
    { QLatin1String("fill"), QLatin1String("black") },
    { QLatin1String("fill-opacity"), QLatin1String("1") },
    { QLatin1String("fill-rule"), QLatin1String("nonzero") },
    { QLatin1String("stroke"), QLatin1String("none") },
    { QLatin1String("stroke-opacity"), QLatin1String("1") },
    { QLatin1String("stroke-width"), QLatin1String("1") },
    { QLatin1String("stroke-linecap"), QLatin1String("butt") },
    { QLatin1String("stroke-linejoin"), QLatin1String("miter") },
} };

const Initial* initialOf(const QString& name)
{
    for (const Initial& initial : InitialValues)
        if (initial.name == name)
            return &initial;
    return nullptr;
}

bool isInherited(const QString& name)
{
    return initialOf(name) != nullptr;
}

// What a shape gets for an inherited attribute it does not set itself.
QString inheritedValue(const QHash<QString, QString>& inherited, const QString& name)
{
    const auto it = inherited.constFind(name);
    if (it != inherited.cend())
        return *it;
    const Initial* initial = initialOf(name);
    return initial ? QString(initial->value) : QString();
}

bool isFont(const QString& name)
{
    return name.startsWith(u"font-");
}

using Attributes = std::vector<std::pair<QString, QString>>;

struct Node {
    QString name; // empty for text
    QString text;
    Attributes attributes;
    std::vector<Node> children;

    bool isElement() const { return !name.isEmpty(); }

    const QString* attribute(const QString& key) const
    {
        for (const auto& [k, v] : attributes)
            if (k == key)
                return &v;
        return nullptr;
    }
    void set(const QString& key, const QString& value)
    {
        for (auto& [k, v] : attributes) {
            if (k == key) {
                v = value;
                return;
            }
        }
        attributes.emplace_back(key, value);
    }
    void remove(const QString& key)
    {
        std::erase_if(attributes, [&](const auto& a) { return a.first == key; });
    }
    bool holdsText() const
    {
        if (name == u"text" || name == u"tspan" || name == u"textArea")
            return true;
        for (const Node& child : children)
            if (child.holdsText())
                return true;
        return false;
    }
};

// Text is kept where it is content; elsewhere blanks between elements are layout only.
bool keepsText(const QString& element)
{
    return element == u"title" || element == u"desc" || element == u"text" || element == u"tspan"
        || element == u"textArea";
}

bool read(QXmlStreamReader& reader, Node& node)
{
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            Node child;
            child.name = reader.qualifiedName().toString();
            for (const QXmlStreamAttribute& a : reader.attributes())
                child.attributes.emplace_back(a.qualifiedName().toString(), a.value().toString());
            if (!read(reader, child))
                return false;
            node.children.push_back(std::move(child));
            break;
        }
        case QXmlStreamReader::EndElement:
            return true;
        case QXmlStreamReader::Characters:
            if (keepsText(node.name) || !reader.isWhitespace())
                node.children.push_back(Node { {}, reader.text().toString(), {}, {} });
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

// The most common value of attribute key among the element children, and how many carry it.
std::pair<QString, int> commonValue(const Node& group, const QString& key)
{
    QHash<QString, int> counts;
    std::pair<QString, int> best;
    for (const Node& child : group.children) {
        if (const QString* value = child.isElement() ? child.attribute(key) : nullptr) {
            const int count = ++counts[*value];
            if (count > best.second)
                best = { *value, count };
        }
    }
    return best;
}

// Says once on the group what most of its shapes say; the others are told their own value.
void hoist(Node& group, const QHash<QString, QString>& inherited)
{
    for (const Initial& initial : InitialValues) {
        const QString key = initial.name;
        const auto [value, count] = commonValue(group, key);
        if (count < 2)
            continue;
        const QString* own = group.attribute(key);
        const QString before = own ? *own : inheritedValue(inherited, key);
        if (value == before)
            continue;
        for (Node& child : group.children) {
            if (!child.isElement())
                continue;
            if (const QString* v = child.attribute(key); v && *v == value)
                child.remove(key);
            else if (!v)
                child.set(key, before);
        }
        group.set(key, value);
    }
}

std::vector<Node> compacted(Node node, const QHash<QString, QString>& inherited)
{
    const bool text = node.holdsText();
    Attributes kept;
    for (auto& [key, value] : node.attributes) {
        if (isInherited(key) && inheritedValue(inherited, key) == value)
            continue;
        if (key == u"transform" && value == u"matrix(1,0,0,1,0,0)")
            continue;
        if (key == u"vector-effect" && value == u"none")
            continue;
        if (isFont(key) && !text && node.name == u"g")
            continue;
        kept.emplace_back(key, value);
    }
    node.attributes = std::move(kept);

    QHash<QString, QString> effective = inherited;
    for (const auto& [key, value] : node.attributes)
        if (isInherited(key) || isFont(key))
            effective.insert(key, value);
    std::vector<Node> children;
    for (Node& child : node.children) {
        if (!child.isElement()) {
            children.push_back(std::move(child));
            continue;
        }
        for (Node& replacement : compacted(std::move(child), effective))
            children.push_back(std::move(replacement));
    }
    node.children = std::move(children);
    if (node.name != u"g")
        return { std::move(node) };
    // The generator closes with a group for its last change of pen, which holds nothing.
    if (node.children.empty())
        return {};

    hoist(node, inherited);
    if (node.attributes.empty())
        return std::move(node.children);
    const bool onlyInherited = std::all_of(node.attributes.cbegin(), node.attributes.cend(),
        [](const auto& a) { return isInherited(a.first) || isFont(a.first); });
    if (onlyInherited && node.children.size() == 1 && node.children.front().isElement()) {
        Node child = std::move(node.children.front());
        for (const auto& [key, value] : node.attributes)
            if (!child.attribute(key))
                child.set(key, value);
        return { std::move(child) };
    }
    return { std::move(node) };
}

void write(QXmlStreamWriter& writer, const Node& node)
{
    if (!node.isElement()) {
        writer.writeCharacters(node.text);
        return;
    }
    writer.writeStartElement(node.name);
    for (const auto& [key, value] : node.attributes)
        writer.writeAttribute(key, value);
    const bool content = keepsText(node.name);
    for (const Node& child : node.children) {
        // One element a line, so the file still reads as text.
        if (!content && child.isElement())
            writer.writeCharacters(QStringLiteral("\n"));
        write(writer, child);
    }
    if (!content && !node.children.empty())
        writer.writeCharacters(QStringLiteral("\n"));
    writer.writeEndElement();
}

} // namespace

QByteArray compact(const QByteArray& svg)
{
    QXmlStreamReader reader(svg);
    // Namespace declarations stay plain attributes, written back as they came.
    reader.setNamespaceProcessing(false);
    Node document;
    if (!read(reader, document) || document.children.size() != 1)
        return svg;
    Node root = std::move(document.children.front());
    std::vector<Node> compactRoot = compacted(std::move(root), {});

    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.writeStartDocument();
    writer.writeCharacters(QStringLiteral("\n"));
    for (const Node& node : compactRoot)
        write(writer, node);
    writer.writeEndDocument();
    return out;
}

} // namespace SvgCompactor
