#pragma once
// Owning lists of registers and the base of the block-opening registers.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "efd/EFDBlocos.h"

namespace efd {

// Raised when a register is asked for by a position the list does not have, such
// as a child created under "the last parent" while no parent exists.
class EListError : public std::out_of_range {
public:
    explicit EListError(long indice)
        : std::out_of_range("Índice de lista fora dos limites (" + std::to_string(indice) + ")") {}
};

// A list owns its registers: clearing or destroying it frees them, with their
// whole subtree.
template <class T>
class TRegistroList {
public:
    // Creates a register (with its own child lists), appends it and returns it.
    T* New() {
        items_.push_back(std::make_unique<T>());
        return items_.back().get();
    }
    T* Items(size_t i) const {
        if (i >= items_.size()) throw EListError(static_cast<long>(i));
        return items_[i].get();
    }
    void Items(size_t i, std::unique_ptr<T> item) {
        if (i >= items_.size()) throw EListError(static_cast<long>(i));
        items_[i] = std::move(item);
    }
    T* operator[](size_t i) const { return Items(i); }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Vazia() const { return items_.empty(); }
    // The last register; a list-index error when the list is empty.
    T* Ultimo() const {
        if (items_.empty()) throw EListError(-1);
        return items_.back().get();
    }
    void Clear() { items_.clear(); }
    // Hands each register to `escreve` and frees it right after, while it is still
    // in the cache, then leaves the list empty. On a failure the registers not yet
    // handed over stay in the list.
    template <class F>
    void EsvaziaComCada(F&& escreve) {
        size_t i = 0;
        try {
            for (; i < items_.size(); ++i) {
                escreve(*items_[i]);
                items_[i].reset();
            }
        } catch (...) {
            items_.erase(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(i));
            throw;
        }
        items_.clear();
    }

    // Range-for over the registers themselves.
    struct Iterador {
        typename std::vector<std::unique_ptr<T>>::const_iterator it;
        T& operator*() const { return **it; }
        Iterador& operator++() { ++it; return *this; }
        bool operator!=(const Iterador& o) const { return it != o.it; }
    };
    Iterador begin() const { return {items_.begin()}; }
    Iterador end() const { return {items_.end()}; }

private:
    std::vector<std::unique_ptr<T>> items_;
};

// Base of every block-opening register (0001, A001, C001 ... 9001).
struct TOpenBlocos {
    TIndMov IND_MOV = TIndMov::imComDados;
};

}  // namespace efd
