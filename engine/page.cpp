#include "page.h"

#include <QJsonArray>
#include <algorithm>
#include <QJsonObject>

namespace vzt {

Font lineFont() { return Font{}; }

Font smallFont(int px)
{
    Font f;
    f.px = px;
    f.bold = false;
    return f;
}

Font smallFont() { return smallFont(16); }

Font instructionFont()
{
    Font f;
    f.px = 21;
    f.italic = true;
    f.color = QColor(0, 255, 0);
    return f;
}

LabelItem *Page::findLabel(const QString &name)
{
    for (auto &l : labels)
        if (l.name == name)
            return &l;
    return nullptr;
}

const LabelItem *Page::findLabel(const QString &name) const
{
    return const_cast<Page *>(this)->findLabel(name);
}

ImageItem *Page::findImage(const QString &name)
{
    for (auto &i : images)
        if (i.name == name)
            return &i;
    return nullptr;
}

const ImageItem *Page::findImage(const QString &name) const
{
    return const_cast<Page *>(this)->findImage(name);
}

LabelItem &Page::label(const QString &name)
{
    if (auto *l = findLabel(name))
        return *l;
    LabelItem l;
    l.name = name;
    l.left = 10;
    l.top = 16;
    labels.push_back(l);
    return labels.back();
}

ImageItem &Page::image(const QString &name)
{
    if (auto *i = findImage(name))
        return *i;
    ImageItem i;
    i.name = name;
    images.push_back(i);
    return images.back();
}

QString displayText(const QString &stored)
{
    QString s = stored;
    s.replace(QChar(5), QChar(u'|'));
    s.replace(QChar(7), QChar(0x00B7));
    return s;
}

QJsonObject describePage(const Page &p)
{
    QJsonObject o;
    o["unit"] = p.unit;
    o["test"] = p.test;
    o["question"] = p.question;
    if (p.generated) {
        QJsonArray deal;
        for (int d : p.deal)
            deal.append(d);
        o["deal"] = deal;
        o["key"] = p.key;
    }
    QJsonArray labels;
    for (const LabelItem &l : p.labels)
        labels.append(QJsonObject{{"name", l.name}, {"text", l.text}, {"left", l.left},
                                  {"top", l.top}, {"visible", l.visible}, {"px", l.font.px},
                                  {"bold", l.font.bold}, {"italic", l.font.italic},
                                  {"color", l.font.color.name()}});
    o["labels"] = labels;
    QJsonArray images;
    for (const ImageItem &i : p.images)
        images.append(QJsonObject{{"name", i.name}, {"file", i.file}, {"left", i.left},
                                  {"top", i.top}, {"width", i.width}, {"height", i.height},
                                  {"proportional", i.proportional}, {"visible", i.visible}});
    o["images"] = images;
    return o;
}

Page pageFromDescription(const QJsonObject &o)
{
    Page p;
    p.unit = o["unit"].toString();
    p.test = o["test"].toInt();
    p.question = o["question"].toInt();
    p.generated = o.contains("deal");
    const QJsonArray deal = o["deal"].toArray();
    for (int k = 0; k < 5 && k < deal.size(); ++k)
        p.deal[k] = deal[k].toInt();
    p.key = o["key"].toInt();
    const Font standard;
    for (const QJsonValue &v : o["labels"].toArray()) {
        const QJsonObject l = v.toObject();
        LabelItem &item = p.label(l["name"].toString());
        item.text = l["text"].toString();
        item.left = l["left"].toInt();
        item.top = l["top"].toInt();
        item.visible = l["visible"].toBool(true);
        item.font.px = std::clamp(l["px"].toInt(standard.px), 6, 96);
        item.font.bold = l["bold"].toBool(standard.bold);
        item.font.italic = l["italic"].toBool(standard.italic);
        const QColor c(l["color"].toString());
        item.font.color = c.isValid() ? c : standard.color;
    }
    for (const QJsonValue &v : o["images"].toArray()) {
        const QJsonObject i = v.toObject();
        ImageItem &item = p.image(i["name"].toString());
        item.file = i["file"].toString();
        item.left = i["left"].toInt();
        item.top = i["top"].toInt();
        item.width = std::clamp(i["width"].toInt(), 0, 4096);
        item.height = std::clamp(i["height"].toInt(), 0, 4096);
        item.proportional = i["proportional"].toBool();
        item.visible = i["visible"].toBool(true);
    }
    return p;
}

namespace {
const QString kSlotLetters = QStringLiteral("АБВГД");
}

QString slotLetter(int slot)
{
    return slot >= 1 && slot <= 5 ? kSlotLetters.mid(slot - 1, 1) : QString();
}

int slotItem(QStringView letter)
{
    return letter.size() == 1 ? int(kSlotLetters.indexOf(letter)) + 1 : 0;
}

} // namespace vzt
