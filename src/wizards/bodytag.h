#pragma once

#include <QColor>
#include <QString>

// The colour attributes of the BODY tag, numbered as the wizard's controls
// carry them.
enum class BodyColorAttr { Text = 1, Background = 2, Link = 3 };

// "TEXT", "BGCOLOR" or "LINK".
QString BodyColorAttrName(BodyColorAttr attr);

// The attribute as the wizard writes it, with a blank at both ends:
// ` TEXT="#RRGGBB" ` from ColorToHex of `colour`.
QString BodyColorAttrText(BodyColorAttr attr, const QColor& colour);
// ` BACKGROUND="path" `, the path written as given.
QString BackgroundAttrText(const QString& path);

// The value of the attribute `name` (letter case ignored) of a tag text,
// without its quotes; empty when the tag does not carry it. A value in
// quotes is taken whole, blanks included; one without quotes ends at the
// first blank or ">".
QString GetAttrValue(const QString& name, const QString& tag);

// The tag with the attribute `name` (letter case ignored, a whole name, so
// LINK never matches VLINK) replaced by `text`, which stands where the old
// attribute stood; without it, `text` goes in just before the closing ">".
// `text` is one of the attribute texts above, with its blanks.
QString SetAttr(const QString& tag, const QString& name, const QString& text);

// The page the wizard shows under the tag being built.
QString BodySamplePage();
