#pragma once
// Who holds the line: the leases of the flow that took it (nested ones counted), whether
// it keeps the line across returns to the event loop, the wait depth it took the line
// from, and which taking of the line a request went out under. Pure C++.
#include <cstdint>

namespace korvane::link {

class LineHolder {
 public:
  enum class Taken { kFresh, kNested, kRefused };
  // A fresh taking of the free line starts a new generation. The holder may take it
  // again from its own code (nested), never from inside one of its waits or while the
  // line is kept across the event loop: whatever runs there is someone else.
  Taken Take(bool standing);
  // True when the last lease went and the line is free.
  bool Release();
  bool held() const { return leases_ > 0; }
  // Whether a request may go out now; a chain's next request belongs to the flow whose
  // request started the chain.
  bool MaySend(bool chainContinuation) const;
  // A request went out: under the current taking of the line, or while it was free.
  void Sent() { sendGeneration_ = leases_ > 0 ? generation_ : 0; }
  void Refuse() { ++refused_; }
  int refused() const { return refused_; }
  std::uint64_t generation() const { return generation_; }

  // Counts a wait of the link (or a flow's own loop) in progress for the time it runs.
  class Waiting {
   public:
    explicit Waiting(LineHolder& holder) : depth_(holder.waitDepth_) { ++depth_; }
    ~Waiting() { --depth_; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

   private:
    int& depth_;
  };

 private:
  int leases_ = 0;
  bool standing_ = false;
  int holderDepth_ = 0;
  int waitDepth_ = 0;
  std::uint64_t generation_ = 0;      // one per taking of the free line
  std::uint64_t sendGeneration_ = 0;  // the generation the last request went out under (0: line free)
  int refused_ = 0;
};

}  // namespace korvane::link
