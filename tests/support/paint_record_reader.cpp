#include "support/paint_record_reader.h"

#include "archive/archive_exception.h"
#include "archive/text_codec.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

#include <algorithm>
#include <cstring>

namespace vantrel::test {

namespace {

constexpr std::size_t kPointSize = 8;
constexpr std::size_t kTextFieldSize = 64;

void ReadCommonFields(ByteReader& in, PaintStuff& object)
{
    in.Get(object.commandNum);
    in.Get(object.activeNum);
    in.Get(object.normalColor);
    in.Get(object.activeColor);
    in.Get(object.hasCommand);
    in.Get(object.hasActive);
    in.Get(object.width);
    in.Get(object.style);
    in.Get(object.active2Num);
    in.Get(object.hasActive2);
    in.Get(object.active2Color);
    in.Get(object.progressIndex);
    in.Get(object.hasProgress);
    in.Get(object.progressMax);
    in.Get(object.activeNeg);
    in.Get(object.active2Neg);
    in.Get(object.from.x);
    in.Get(object.from.y);
    in.Get(object.to.x);
    in.Get(object.to.y);
}

void ReadPoints(ByteReader& in, Curve& curve)
{
    std::uint32_t count = 0;
    in.Get(count);
    in.Require(std::size_t(count) * kPointSize);
    curve.points.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        auto point = std::make_unique<FPoint>();
        in.Get(point->x);
        in.Get(point->y);
        curve.points.push_back(std::move(point));
    }
}

void ReadFill(ByteReader& in, ColorSet& colours)
{
    for (Colour& colour : colours)
        in.Get(colour);
}

} // namespace

void ByteReader::Require(std::size_t count) const
{
    if (count > BytesLeft())
        throw CArchiveException(ArchiveCause::EndOfFile, fileName_);
}

std::span<const std::uint8_t> ByteReader::Take(std::size_t count)
{
    Require(count);
    auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
}

void ByteReader::Get(std::int32_t& value)
{
    std::memcpy(&value, Take(sizeof value).data(), sizeof value);
}

void ByteReader::Get(std::uint32_t& value)
{
    std::memcpy(&value, Take(sizeof value).data(), sizeof value);
}

void ByteReader::Get(float& value)
{
    std::memcpy(&value, Take(sizeof value).data(), sizeof value);
}

std::u16string ByteReader::FixedText(std::size_t fieldSize)
{
    auto field = Take(fieldSize);
    auto end = std::find(field.begin(), field.end(), std::uint8_t(0));
    return FromCodePage(field.first(std::size_t(end - field.begin())));
}

void ReadPaintRecord(ByteReader& in, PaintStuff& object)
{
    ReadCommonFields(in, object);
    if (auto* curve = dynamic_cast<Curve*>(&object))
        ReadPoints(in, *curve);
    if (auto* text = dynamic_cast<TextStuff*>(&object))
        text->text = in.FixedText(kTextFieldSize);
    if (auto* circle = dynamic_cast<FilledCircle*>(&object))
        ReadFill(in, circle->fillColors);
    if (auto* square = dynamic_cast<FilledSquare*>(&object))
        ReadFill(in, square->fillColors);
    if (auto* filledText = dynamic_cast<FilledText*>(&object))
        ReadFill(in, filledText->fillColors);
}

} // namespace vantrel::test
