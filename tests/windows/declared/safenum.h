// The interface of safenum.dll declared as a program built with Microsoft's
// compiler against the interface as listed (and not against safenum.h) would
// declare it: whole classes imported, with the copy constructor, the copy
// assignment and the destructor of each class declared, so that the program
// imports and calls them. The Windows client built with this header checks
// that the DLL serves such a program: every copy, assignment and destruction
// goes through the DLL, and objects passed by value are constructed in place
// through the imported copy constructor. It is named safenum.h so that the shared test code, which includes "safenum.h",
// takes it in that build (its directory comes first on the include path).
#ifndef SAFENUM_TESTS_WINDOWS_DECLARED_SAFENUM_H
#define SAFENUM_TESTS_WINDOWS_DECLARED_SAFENUM_H

class safefloat;
class safedouble;

class __declspec(dllimport) safeint {
 public:
  safeint();
  safeint(const safeint&);
  safeint(int value);
  safeint(char value);
  safeint(float value);
  safeint(double value);
  safeint(const safefloat& value);
  safeint(const safedouble& value);
  ~safeint();

  safeint& operator=(const safeint&);
  safeint& operator=(int value);
  safeint& operator=(char value);
  safeint& operator=(float value);
  safeint& operator=(double value);

  safeint& operator+=(const safeint& rhs);
  safeint& operator*=(const safeint& rhs);
  safeint& operator/=(const safeint& rhs);

  operator int();
  operator unsigned long();
  operator float();
  operator double();
  operator long double();

  safeint Function_1976();
  double Function_1978();

 private:
  int value_;
};

class __declspec(dllimport) safefloat {
 public:
  safefloat();
  safefloat(const safefloat&);
  safefloat(int value);
  safefloat(char value);
  safefloat(double value);
  safefloat(const safeint& value);
  safefloat(safeint& value);
  ~safefloat();

  safefloat& operator=(const safefloat&);
  safefloat& operator=(int value);
  safefloat& operator=(char value);
  safefloat& operator=(double value);
  safefloat& operator=(float value);

  safefloat& operator/=(const safefloat& rhs);
  safefloat& operator*=(const safefloat& rhs);
  safefloat& operator+=(const safefloat& rhs);

  operator int();
  int nint() const;
  float Function_1975();
  double Function_1978();
  float Function_1979();
  float Function_1977();
  int Function_1980();
  int Function_1981();

 private:
  float value_;
};

class __declspec(dllimport) safedouble {
 public:
  safedouble();
  safedouble(const safedouble&);
  safedouble(int value);
  safedouble(char value);
  safedouble(double value);
  safedouble(const safeint& value);
  safedouble(safeint& value);
  ~safedouble();

  safedouble& operator=(const safedouble&);
  safedouble& operator=(int value);
  safedouble& operator=(char value);
  safedouble& operator=(double value);
  safedouble& operator=(float value);

  safedouble& operator/=(const safedouble& rhs);
  safedouble& operator*=(const safedouble& rhs);
  safedouble& operator+=(const safedouble& rhs);

  operator int();
  int nint() const;
  float Function_1975();
  double Function_1978();
  double Function_1979();
  double Function_1977();
  int Function_1980();
  int Function_1981();

 private:
  double value_;
};

__declspec(dllimport) long GetMaxSystemValue(long);
__declspec(dllimport) int GetMaxSystemValue(int);
__declspec(dllimport) short GetMaxSystemValue(short);
__declspec(dllimport) float GetMaxSystemValue(float);
__declspec(dllimport) double GetMaxSystemValue(double);
__declspec(dllimport) safedouble GetMaxSystemValue(safedouble);
__declspec(dllimport) safefloat GetMaxSystemValue(safefloat);
__declspec(dllimport) safeint GetMaxSystemValue(safeint);
__declspec(dllimport) safeint GetMaxSystemValueMinusOne(safeint);
__declspec(dllimport) safeint GetMinSystemValue(safeint);

__declspec(dllimport) safeint operator+(const safeint& a, const safeint& b);
__declspec(dllimport) safeint operator+(const safeint& a, const int& b);
__declspec(dllimport) safeint operator+(const int& a, const safeint& b);
__declspec(dllimport) safeint operator+(const safeint& a, const float& b);
__declspec(dllimport) safeint operator+(const float& a, const safeint& b);
__declspec(dllimport) safeint operator+(const safeint& a, const double& b);
__declspec(dllimport) safeint operator+(const double& a, const safeint& b);

__declspec(dllimport) safeint operator-(const safeint& a, const safeint& b);
__declspec(dllimport) safeint operator-(const safeint& a, const int& b);
__declspec(dllimport) safeint operator-(const int& a, const safeint& b);
__declspec(dllimport) safeint operator-(const safeint& a, const float& b);
__declspec(dllimport) safeint operator-(const float& a, const safeint& b);
__declspec(dllimport) safeint operator-(const safeint& a, const double& b);
__declspec(dllimport) safeint operator-(const double& a, const safeint& b);

__declspec(dllimport) safeint operator*(const safeint& a, const safeint& b);
__declspec(dllimport) safeint operator*(const safeint& a, const int& b);
__declspec(dllimport) safeint operator*(const int& a, const safeint& b);
__declspec(dllimport) safeint operator*(const safeint& a, const float& b);
__declspec(dllimport) safeint operator*(const float& a, const safeint& b);
__declspec(dllimport) safeint operator*(const safeint& a, const double& b);
__declspec(dllimport) safeint operator*(const double& a, const safeint& b);

__declspec(dllimport) safeint operator/(const safeint& a, const safeint& b);
__declspec(dllimport) safeint operator/(const safeint& a, const int& b);
__declspec(dllimport) safeint operator/(const int& a, const safeint& b);
__declspec(dllimport) safeint operator/(const safeint& a, const float& b);
__declspec(dllimport) safeint operator/(const float& a, const safeint& b);
__declspec(dllimport) safeint operator/(const safeint& a, const double& b);
__declspec(dllimport) safeint operator/(const double& a, const safeint& b);

__declspec(dllimport) int operator==(const safeint& a, const safeint& b);
__declspec(dllimport) int operator!=(const safeint& a, const safeint& b);
__declspec(dllimport) int operator<(const safeint& a, const safeint& b);
__declspec(dllimport) int operator<=(const safeint& a, const safeint& b);
__declspec(dllimport) int operator>(const safeint& a, const safeint& b);
__declspec(dllimport) int operator>=(const safeint& a, const safeint& b);

__declspec(dllimport) safefloat operator+(const safefloat& a, const safefloat& b);
__declspec(dllimport) safefloat operator-(const safefloat& a, const safefloat& b);
__declspec(dllimport) safefloat operator*(const safefloat& a, const safefloat& b);
__declspec(dllimport) safefloat operator/(const safefloat& a, const safefloat& b);
__declspec(dllimport) safedouble operator+(const safedouble& a, const safedouble& b);
__declspec(dllimport) safedouble operator-(const safedouble& a, const safedouble& b);
__declspec(dllimport) safedouble operator*(const safedouble& a, const safedouble& b);
__declspec(dllimport) safedouble operator/(const safedouble& a, const safedouble& b);

__declspec(dllimport) safefloat operator+(const safefloat& a, const int& b);
__declspec(dllimport) safefloat operator+(const safefloat& a, const float& b);
__declspec(dllimport) safefloat operator+(const safefloat& a, const double& b);
__declspec(dllimport) safefloat operator+(const safefloat& a, const safeint& b);
__declspec(dllimport) safefloat operator+(const int& a, const safefloat& b);
__declspec(dllimport) safefloat operator+(const float& a, const safefloat& b);
__declspec(dllimport) safefloat operator+(const double& a, const safefloat& b);
__declspec(dllimport) safefloat operator+(const safeint& a, const safefloat& b);

__declspec(dllimport) safefloat operator-(const safefloat& a, const int& b);
__declspec(dllimport) safefloat operator-(const safefloat& a, const float& b);
__declspec(dllimport) safefloat operator-(const safefloat& a, const double& b);
__declspec(dllimport) safefloat operator-(const int& a, const safefloat& b);
__declspec(dllimport) safefloat operator-(const float& a, const safefloat& b);
__declspec(dllimport) safefloat operator-(const double& a, const safefloat& b);

__declspec(dllimport) safefloat operator*(const safefloat& a, const int& b);
__declspec(dllimport) safefloat operator*(const safefloat& a, const float& b);
__declspec(dllimport) safefloat operator*(const safefloat& a, const double& b);
__declspec(dllimport) safefloat operator*(const safefloat& a, const safeint& b);
__declspec(dllimport) safefloat operator*(const int& a, const safefloat& b);
__declspec(dllimport) safefloat operator*(const float& a, const safefloat& b);
__declspec(dllimport) safefloat operator*(const double& a, const safefloat& b);
__declspec(dllimport) safefloat operator*(const safeint& a, const safefloat& b);

__declspec(dllimport) safefloat operator/(const safefloat& a, const int& b);
__declspec(dllimport) safefloat operator/(const safefloat& a, const float& b);
__declspec(dllimport) safefloat operator/(const safefloat& a, const double& b);
__declspec(dllimport) safefloat operator/(const int& a, const safefloat& b);
__declspec(dllimport) safefloat operator/(const float& a, const safefloat& b);
__declspec(dllimport) safefloat operator/(const double& a, const safefloat& b);
__declspec(dllimport) safefloat operator/(const safeint& a, const safefloat& b);

__declspec(dllimport) safedouble operator+(const safedouble& a, const int& b);
__declspec(dllimport) safedouble operator+(const safedouble& a, const float& b);
__declspec(dllimport) safedouble operator+(const safedouble& a, const double& b);
__declspec(dllimport) safedouble operator+(const safedouble& a, const safeint& b);
__declspec(dllimport) safedouble operator+(const int& a, const safedouble& b);
__declspec(dllimport) safedouble operator+(const float& a, const safedouble& b);
__declspec(dllimport) safedouble operator+(const double& a, const safedouble& b);
__declspec(dllimport) safedouble operator+(const safeint& a, const safedouble& b);

__declspec(dllimport) safedouble operator-(const safedouble& a, const int& b);
__declspec(dllimport) safedouble operator-(const safedouble& a, const float& b);
__declspec(dllimport) safedouble operator-(const safedouble& a, const double& b);
__declspec(dllimport) safedouble operator-(const int& a, const safedouble& b);
__declspec(dllimport) safedouble operator-(const float& a, const safedouble& b);
__declspec(dllimport) safedouble operator-(const double& a, const safedouble& b);

__declspec(dllimport) safedouble operator*(const safedouble& a, const int& b);
__declspec(dllimport) safedouble operator*(const safedouble& a, const float& b);
__declspec(dllimport) safedouble operator*(const safedouble& a, const double& b);
__declspec(dllimport) safedouble operator*(const safedouble& a, const safeint& b);
__declspec(dllimport) safedouble operator*(const int& a, const safedouble& b);
__declspec(dllimport) safedouble operator*(const float& a, const safedouble& b);
__declspec(dllimport) safedouble operator*(const double& a, const safedouble& b);
__declspec(dllimport) safedouble operator*(const safeint& a, const safedouble& b);

__declspec(dllimport) safedouble operator/(const safedouble& a, const int& b);
__declspec(dllimport) safedouble operator/(const safedouble& a, const float& b);
__declspec(dllimport) safedouble operator/(const safedouble& a, const double& b);
__declspec(dllimport) safedouble operator/(const int& a, const safedouble& b);
__declspec(dllimport) safedouble operator/(const float& a, const safedouble& b);
__declspec(dllimport) safedouble operator/(const double& a, const safedouble& b);
__declspec(dllimport) safedouble operator/(const safeint& a, const safedouble& b);

__declspec(dllimport) int operator==(const safefloat& a, const safefloat& b);
__declspec(dllimport) int operator!=(const safefloat& a, const safefloat& b);
__declspec(dllimport) int operator<(const safefloat& a, const safefloat& b);
__declspec(dllimport) int operator<=(const safefloat& a, const safefloat& b);
__declspec(dllimport) int operator>(const safefloat& a, const safefloat& b);
__declspec(dllimport) int operator>=(const safefloat& a, const safefloat& b);
__declspec(dllimport) int operator==(const safedouble& a, const safedouble& b);
__declspec(dllimport) int operator!=(const safedouble& a, const safedouble& b);
__declspec(dllimport) int operator<(const safedouble& a, const safedouble& b);
__declspec(dllimport) int operator<=(const safedouble& a, const safedouble& b);
__declspec(dllimport) int operator>(const safedouble& a, const safedouble& b);
__declspec(dllimport) int operator>=(const safedouble& a, const safedouble& b);

__declspec(dllimport) safefloat Function_1971(const safefloat& x);
__declspec(dllimport) safedouble Function_1971(const safedouble& x);
__declspec(dllimport) safeint Function_1971(const safeint& x);
__declspec(dllimport) safefloat Function_1982(const safefloat& a, const safefloat& b);
__declspec(dllimport) safedouble Function_1982(const safedouble& a, const safedouble& b);
__declspec(dllimport) safeint Function_1982(const safeint& a, const safeint& b);
__declspec(dllimport) safefloat Function_1983(const safefloat& a, const safefloat& b);
__declspec(dllimport) safedouble Function_1983(const safedouble& a, const safedouble& b);
__declspec(dllimport) safeint Function_1983(const safeint& a, const safeint& b);
__declspec(dllimport) safefloat ceil(safefloat& x);
__declspec(dllimport) safedouble ceil(safedouble& x);
__declspec(dllimport) safeint abs(const safeint& x);

#endif  // SAFENUM_TESTS_WINDOWS_DECLARED_SAFENUM_H
