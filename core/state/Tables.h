#pragma once
// Fixed and dynamic tables of the shared state. Bounds are inclusive from 0,
// as the shared variables are declared (a table "0 To 10" holds eleven
// values); an index outside them is a run-time error, never a stray write.
#include <array>
#include <cstddef>
#include <vector>

#include "core/runtime/RuntimeError.h"

template <typename T, long Hi>
class Table1 {
 public:
  static constexpr long upper = Hi;
  T& operator[](long i) { checkIndex(i, 0, Hi); return v_[i]; }
  const T& operator[](long i) const { checkIndex(i, 0, Hi); return v_[i]; }
  T* data() { return v_.data(); }
  const T* data() const { return v_.data(); }
  void fill(const T& value) { v_.fill(value); }
  bool operator==(const Table1&) const = default;

 private:
  std::array<T, Hi + 1> v_{};
};

template <typename T, long Hi1, long Hi2>
class Table2 {
 public:
  static constexpr long upper1 = Hi1, upper2 = Hi2;
  T& operator()(long i, long k) { check(i, k); return v_[i * (Hi2 + 1) + k]; }
  const T& operator()(long i, long k) const { check(i, k); return v_[i * (Hi2 + 1) + k]; }
  void fill(const T& value) { v_.fill(value); }
  bool operator==(const Table2&) const = default;

 private:
  static void check(long i, long k) { checkIndex(i, 0, Hi1); checkIndex(k, 0, Hi2); }
  std::array<T, (Hi1 + 1) * (Hi2 + 1)> v_{};
};

template <typename T, long Hi1, long Hi2, long Hi3>
class Table3 {
 public:
  T& operator()(long i, long j, long k) { check(i, j, k); return v_[(i * (Hi2 + 1) + j) * (Hi3 + 1) + k]; }
  const T& operator()(long i, long j, long k) const { check(i, j, k); return v_[(i * (Hi2 + 1) + j) * (Hi3 + 1) + k]; }
  void fill(const T& value) { v_.fill(value); }
  bool operator==(const Table3&) const = default;

 private:
  static void check(long i, long j, long k) {
    checkIndex(i, 0, Hi1); checkIndex(j, 0, Hi2); checkIndex(k, 0, Hi3);
  }
  std::array<T, (Hi1 + 1) * (Hi2 + 1) * (Hi3 + 1)> v_{};
};

// A table sized at run time ("ReDim"): redim(hi) gives hi + 1 zeroed values;
// upper() is -1 while it is unsized.
template <typename T>
class DynTable1 {
 public:
  void redim(long hi) { v_.assign(hi < 0 ? 0 : hi + 1, T{}); }
  long upper() const { return static_cast<long>(v_.size()) - 1; }
  T& operator[](long i) { checkIndex(i, 0, upper()); return v_[i]; }
  const T& operator[](long i) const { checkIndex(i, 0, upper()); return v_[i]; }
  T* data() { return v_.data(); }

 private:
  std::vector<T> v_;
};

template <typename T>
class DynTable2 {
 public:
  void redim(long hi1, long hi2) {
    n1_ = hi1 + 1; n2_ = hi2 + 1;
    if (n1_ < 0 || n2_ < 0) n1_ = n2_ = 0;
    v_.assign(static_cast<std::size_t>(n1_ * n2_), T{});
  }
  long upper1() const { return n1_ - 1; }
  long upper2() const { return n2_ - 1; }
  T& operator()(long i, long k) { check(i, k); return v_[i * n2_ + k]; }
  const T& operator()(long i, long k) const { check(i, k); return v_[i * n2_ + k]; }

 private:
  void check(long i, long k) const { checkIndex(i, 0, n1_ - 1); checkIndex(k, 0, n2_ - 1); }
  long n1_ = 0, n2_ = 0;
  std::vector<T> v_;
};
