#include "inspect/hdf5_export.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include <hdf5.h>

namespace tembrix::inspect {

namespace {

// Closes an HDF5 handle at the end of its scope.
class Handle {
 public:
  Handle(hid_t id, herr_t (*close)(hid_t), const std::string& what, const std::string& path)
      : id_(id), close_(close) {
    if (id_ < 0) throw std::runtime_error(path + ": HDF5 cannot create " + what);
  }
  ~Handle() {
    if (id_ >= 0) close_(id_);
  }
  // Closes now, for the handle whose closing completes the file; false when that fails.
  bool close() {
    const herr_t status = close_(id_);
    id_ = -1;
    return status >= 0;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  hid_t get() const { return id_; }

 private:
  hid_t id_;
  herr_t (*close_)(hid_t);
};

class Writer {
 public:
  explicit Writer(std::string path) : path_(std::move(path)) {}

  void check(herr_t status, const std::string& what) const {
    if (status < 0) throw std::runtime_error(path_ + ": HDF5 cannot write " + what);
  }

  template <typename T>
  void attribute(hid_t group, const char* name, hid_t type, const T* values, hsize_t count) const {
    Handle space(count == 0 ? H5Screate(H5S_SCALAR) : H5Screate_simple(1, &count, nullptr), H5Sclose,
                 "a dataspace", path_);
    Handle attr(H5Acreate2(group, name, type, space.get(), H5P_DEFAULT, H5P_DEFAULT), H5Aclose,
                std::string("attribute ") + name, path_);
    check(H5Awrite(attr.get(), type, values), std::string("attribute ") + name);
  }

  void dataset(hid_t group, const char* name, hid_t file_type, hid_t memory_type, const void* data, hsize_t rows,
               hsize_t columns) const {
    const hsize_t dims[2] = {rows, columns};
    Handle space(H5Screate_simple(columns == 0 ? 1 : 2, dims, nullptr), H5Sclose, "a dataspace", path_);
    Handle set(H5Dcreate2(group, name, file_type, space.get(), H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT), H5Dclose,
               std::string("dataset ") + name, path_);
    check(H5Dwrite(set.get(), memory_type, H5S_ALL, H5S_ALL, H5P_DEFAULT, data), std::string("dataset ") + name);
  }

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

void write_hdf5(const statefile::InitialState& state, const std::string& path) {
  H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);  // failures are reported by the exceptions below
  const statefile::StateBodies& b = state.bodies;
  const std::size_t n = b.size();
  const Writer w(path);
  Handle file(H5Fcreate(path.c_str(), H5F_ACC_TRUNC, H5P_DEFAULT, H5P_DEFAULT), H5Fclose, "the file", path);

  {
    Handle header(H5Gcreate2(file.get(), "Header", H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT), H5Gclose,
                  "group Header", path);
    const auto count = static_cast<std::uint64_t>(n);
    const std::uint32_t this_file[6] = {0, static_cast<std::uint32_t>(count), 0, 0, 0, 0};
    const std::uint32_t high[6] = {0, static_cast<std::uint32_t>(count >> 32), 0, 0, 0, 0};
    const double mass_table[6] = {0, 0, 0, 0, 0, 0};
    double extent = 0.0;
    for (const auto& axis : b.pos) {
      for (double v : axis) extent = std::fmax(extent, std::fabs(v));
    }
    const double zero = 0.0;
    const double box = 4.0 * extent;
    const std::int32_t files = 1, entropy = 0, dimension = 3;
    w.attribute(header.get(), "NumPart_ThisFile", H5T_NATIVE_UINT32, this_file, 6);
    w.attribute(header.get(), "NumPart_Total", H5T_NATIVE_UINT32, this_file, 6);
    w.attribute(header.get(), "NumPart_Total_HighWord", H5T_NATIVE_UINT32, high, 6);
    w.attribute(header.get(), "MassTable", H5T_NATIVE_DOUBLE, mass_table, 6);
    w.attribute(header.get(), "Time", H5T_NATIVE_DOUBLE, &zero, 0);
    w.attribute(header.get(), "Redshift", H5T_NATIVE_DOUBLE, &zero, 0);
    w.attribute(header.get(), "BoxSize", H5T_NATIVE_DOUBLE, &box, 0);
    w.attribute(header.get(), "NumFilesPerSnapshot", H5T_NATIVE_INT32, &files, 0);
    w.attribute(header.get(), "Flag_Entropy_ICs", H5T_NATIVE_INT32, &entropy, 0);
    w.attribute(header.get(), "Dimension", H5T_NATIVE_INT32, &dimension, 0);
  }
  {
    Handle bodies(H5Gcreate2(file.get(), "PartType1", H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT), H5Gclose,
                  "group PartType1", path);
    std::vector<double> rows(3 * n);
    const auto interleave = [&](const std::array<std::vector<double>, 3>& xyz) {
      for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t c = 0; c < 3; ++c) rows[3 * i + c] = xyz[c][i];
      }
    };
    interleave(b.pos);
    w.dataset(bodies.get(), "Coordinates", H5T_IEEE_F64LE, H5T_NATIVE_DOUBLE, rows.data(), n, 3);
    interleave(b.vel);
    w.dataset(bodies.get(), "Velocities", H5T_IEEE_F64LE, H5T_NATIVE_DOUBLE, rows.data(), n, 3);
    rows.clear();
    rows.shrink_to_fit();
    w.dataset(bodies.get(), "Masses", H5T_IEEE_F64LE, H5T_NATIVE_DOUBLE, b.mass.data(), n, 0);
    std::vector<std::uint64_t> ids(n);
    for (std::size_t i = 0; i < n; ++i) ids[i] = i + 1;
    w.dataset(bodies.get(), "ParticleIDs", H5T_STD_U64LE, H5T_NATIVE_UINT64, ids.data(), n, 0);
    w.dataset(bodies.get(), "Radii", H5T_IEEE_F64LE, H5T_NATIVE_DOUBLE, b.radius.data(), n, 0);
  }
  {
    Handle units(H5Gcreate2(file.get(), "Units", H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT), H5Gclose, "group Units",
                 path);
    const statefile::StateTrailer& t = state.trailer;
    const double length = t.lunit * 100.0;  // metres to centimetres
    const double mass = t.mtot * 1000.0;    // kilograms to grams
    const double time = t.lunit * t.vunit;  // one code time unit in seconds
    const double one = 1.0;
    w.attribute(units.get(), "Unit length in cgs (U_L)", H5T_NATIVE_DOUBLE, &length, 0);
    w.attribute(units.get(), "Unit mass in cgs (U_M)", H5T_NATIVE_DOUBLE, &mass, 0);
    w.attribute(units.get(), "Unit time in cgs (U_t)", H5T_NATIVE_DOUBLE, &time, 0);
    w.attribute(units.get(), "Unit current in cgs (U_I)", H5T_NATIVE_DOUBLE, &one, 0);
    w.attribute(units.get(), "Unit temperature in cgs (U_T)", H5T_NATIVE_DOUBLE, &one, 0);
  }
  if (!file.close()) throw std::runtime_error(path + ": HDF5 cannot complete the file");
}

}  // namespace tembrix::inspect
