#include "framework/Label.h"

namespace framework {
namespace {

const PropertySchema& LabelSchema() {
  static const PropertySchema schema = Combine(RectControlSchema(), {{"Text", String()},
                                                                     {"TextAlign", Int32{0}},
                                                                     {"TextColor", Color{}},
                                                                     {"Multiline", false},
                                                                     {"Selectable", false},
                                                                     {"Transparent", false},
                                                                     {"DataSource", String()},
                                                                     {"DataField", String()}});
  return schema;
}

}  // namespace

Label::Label() : Control(LabelSchema()) {}

}  // namespace framework
