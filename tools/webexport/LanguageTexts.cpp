#include "tools/webexport/LanguageTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pelmora::webexport {
namespace {

bool isListOfNamed(const QJsonArray& list) {
    return !list.isEmpty() && std::all_of(list.begin(), list.end(), [](const QJsonValue& item) {
        return item.isObject() && item.toObject().contains("name");
    });
}

[[noreturn]] void layoutDiffers(const QJsonValue& english, const QJsonValue& translated) {
    qFatal("the layout differs between languages: %s against %s",
           QJsonDocument(QJsonArray{english}).toJson(QJsonDocument::Compact).constData(),
           QJsonDocument(QJsonArray{translated}).toJson(QJsonDocument::Compact).constData());
}

void addIfDiffers(QJsonObject& into, const QString& key, const QJsonValue& english, const QJsonValue& translated) {
    const QJsonValue differs = textsThatDiffer(english, translated);
    if (!differs.isUndefined()) into[key] = differs;
}

}  // namespace

QJsonValue textsThatDiffer(const QJsonValue& english, const QJsonValue& translated) {
    if (english.type() != translated.type()) layoutDiffers(english, translated);
    if (english.isString()) return english == translated ? QJsonValue(QJsonValue::Undefined) : translated;
    QJsonObject differs;
    if (english.isObject()) {
        const QJsonObject from = english.toObject(), to = translated.toObject();
        if (from.keys() != to.keys()) layoutDiffers(english, translated);
        for (const QString& key : from.keys()) addIfDiffers(differs, key, from[key], to[key]);
    } else if (english.isArray() && isListOfNamed(english.toArray())) {
        const QJsonArray from = english.toArray(), to = translated.toArray();
        if (from.size() != to.size()) layoutDiffers(english, translated);
        for (qsizetype i = 0; i < from.size(); ++i) {
            const QString name = from[i].toObject()["name"].toString();
            if (to[i].toObject()["name"].toString() != name) layoutDiffers(english, translated);
            addIfDiffers(differs, name, from[i], to[i]);
        }
    } else if (english != translated) {
        layoutDiffers(english, translated);
    }
    return differs.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(differs);
}

}  // namespace pelmora::webexport
