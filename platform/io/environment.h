#pragma once
// Environment variables, behind an interface so tests can give a window its own profile.
#include <map>
#include <optional>
#include <string>

namespace ks::io {

class Environment {
 public:
  virtual ~Environment() = default;
  // The value, or nothing when the variable is unset.
  virtual std::optional<std::string> Get(const std::string& name) const = 0;
  // The value, or the empty text when unset.
  std::string GetOrEmpty(const std::string& name) const { return Get(name).value_or(""); }
};

class SystemEnvironment final : public Environment {
 public:
  std::optional<std::string> Get(const std::string& name) const override;
};

class MapEnvironment final : public Environment {
 public:
  std::optional<std::string> Get(const std::string& name) const override;
  void Set(const std::string& name, const std::string& value) { values_[name] = value; }
  void Unset(const std::string& name) { values_.erase(name); }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace ks::io
