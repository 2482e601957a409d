#include "initstate/body_record_text.h"

#include <cstdint>
#include <cstring>

#include "textio/real_text.h"

namespace tembrix {

namespace {

// One 25-column field: the text right-aligned after blanks. A real text is
// at most 25 characters, so it always fits (touching the field before it
// when it is that long, as the record layout does).
struct Field {
  char text[body_field_width];

  void set(double v) {
    char digits[max_real_text + 7];
    const int n = format_real(v, digits);
    const std::size_t pad = body_field_width - static_cast<std::size_t>(n);
    std::memset(text, ' ', pad);
    std::memcpy(text + pad, digits, static_cast<std::size_t>(n));
  }
};

// Remembers the field of the last value seen: mass and radius repeat for all
// bodies of one circle, so most of them need no new conversion.
struct CachedField {
  std::uint64_t bits = 0;
  bool valid = false;
  Field field;

  const Field& of(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    if (!valid || b != bits) {
      field.set(v);
      bits = b;
      valid = true;
    }
    return field;
  }
};

char* put(char* out, const Field& f) {
  std::memcpy(out, f.text, body_field_width);
  return out + body_field_width;
}

char* end_line(char* out) {
  out[0] = '\r';
  out[1] = '\n';
  return out + 2;
}

}  // namespace

void format_body_records(const BodyTables& bodies, std::size_t first, std::size_t last, char* out) {
  Field zero;  // the reserved columns zv1, zv2 and zs are always 0.0
  zero.set(0.0);
  CachedField mass, radius;
  Field f;
  for (std::size_t b = first; b <= last; ++b) {
    // Items: omo, pos(3), vel(3), zv1(3), zv2(3), radb, zs; three per line.
    out = put(out, mass.of(bodies.omo[b]));
    f.set(bodies.pos[0][b]);
    out = put(out, f);
    f.set(bodies.pos[1][b]);
    out = end_line(put(out, f));
    f.set(bodies.pos[2][b]);
    out = put(out, f);
    f.set(bodies.vel[0][b]);
    out = put(out, f);
    f.set(bodies.vel[1][b]);
    out = end_line(put(out, f));
    f.set(bodies.vel[2][b]);
    out = end_line(put(put(put(out, f), zero), zero));
    out = end_line(put(put(put(out, zero), zero), zero));
    out = end_line(put(put(put(out, zero), radius.of(bodies.radb[b])), zero));
  }
}

}  // namespace tembrix
