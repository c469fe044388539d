#pragma once
// File permissions as an ordinary user meets them, also when the tests run as root.

namespace korvane::testing {

// While it lives, this thread's file permission checks are made as the user
// "nobody" if the process runs as root (who may otherwise read and write any
// file); for any other user it changes nothing.
class AsOrdinaryUser {
  public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

  private:
    bool switched_ = false;
};

}  // namespace korvane::testing
