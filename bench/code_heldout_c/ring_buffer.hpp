template <typename T, std::size_t N>
class RingBuffer {
public:
    bool push(const T &value) {
        if (count_ >= N) return false;
        items_[(head_ + count_++) % N] = value;
        return true;
    }
    std::array<T, N> items_{};
    std::size_t head_ = 0, count_ = 0;  // 0x7f mask unused
};
